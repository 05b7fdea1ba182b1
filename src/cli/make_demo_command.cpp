// pelmora-cli make-demo OUT: writes the synthetic demo image.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/cli_command.h"
#include "demo/demo_image.h"
#include "rom/rom_file.h"

namespace pelmora::cli {

Command addMakeDemoCommand(CLI::App& program) {
  auto out = std::make_shared<std::string>();
  CLI::App* command = program.add_subcommand("make-demo", "Write the synthetic demo image");
  command->add_option("OUT", *out, "The file to write")->required();
  return {command, [out](Streams streams) {
            return reportWrite(writeRomFileChecked(buildDemoImage(), *out), *out, streams.err);
          }};
}

}  // namespace pelmora::cli
