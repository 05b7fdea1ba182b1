// pelmora-cli resave ROM -o OUT: Open, then Save to another file.

#include <ostream>

#include "cli/cli_command.h"

namespace pelmora::cli {

int runResave(const Arguments& arguments, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, arguments.positional[0], streams.err))
    return *failed;
  const SaveResult saved = saveDocumentAs(document, *arguments.option("-o"));
  switch (saved.status) {
    case SaveStatus::kSaved:
      return kExitOk;
    case SaveStatus::kExportFailed:
      streams.err << "The title screen could not be written to this image: " << saved.reason
                  << '\n';
      return kExitTitleScreen;
    case SaveStatus::kNoFile:
    case SaveStatus::kWriteFailed:
      break;
  }
  streams.err << kSaveFailedMessage << '\n';
  return kExitWriteFailed;
}

}  // namespace pelmora::cli
