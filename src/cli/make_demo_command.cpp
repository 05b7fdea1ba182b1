// pelmora-cli make-demo OUT: writes the synthetic demo image.

#include <ostream>

#include "cli/cli_command.h"
#include "demo/demo_image.h"
#include "rom/rom_file.h"

namespace pelmora::cli {

int runMakeDemo(const Arguments& arguments, Streams streams) {
  if (writeRomFile(buildDemoImage(), arguments.positional[0]) != kRomFileOk) {
    streams.err << kSaveFailedMessage << '\n';
    return kExitWriteFailed;
  }
  return kExitOk;
}

}  // namespace pelmora::cli
