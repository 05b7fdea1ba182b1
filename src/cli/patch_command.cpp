// pelmora-cli patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps [--format ips|bps]: a patch that
// turns one file into the other.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/cli_command.h"
#include "patch/patch_file.h"
#include "rom/rom_file.h"
#include "rom/safe_file_write.h"

namespace pelmora::cli {
namespace {

struct PatchOptions {
  std::string original;
  std::string modified;
  std::string format;
  std::string out;
};

// Both inputs are read in place, once each: a patch of two large images then costs no copy of
// either.
std::optional<FileView> viewInputOrReport(const std::string& path, std::ostream& err,
                                          int& exitCode) {
  Expected<FileView> content = viewFileContent(path);
  if (content) return std::move(content.value());
  exitCode = reportFile(err, path, "Error loading file! " + content.error().what, kExitLoadFailed);
  return std::nullopt;
}

std::optional<PatchFormat> chosenFormat(const PatchOptions& options) {
  if (!options.format.empty()) return patchFormatNamed(options.format);
  return patchFormatForPath(options.out);
}

int runPatch(const PatchOptions& options, Streams streams) {
  const std::optional<PatchFormat> format = chosenFormat(options);
  if (!format) {
    streams.err << "pelmora-cli: the patch format is told by -o ending in .ips or .bps, or by "
                   "--format ips|bps\n";
    return kExitUsage;
  }
  int exitCode = kExitOk;
  const auto source = viewInputOrReport(options.original, streams.err, exitCode);
  if (!source) return exitCode;
  const auto target = viewInputOrReport(options.modified, streams.err, exitCode);
  if (!target) return exitCode;
  const Expected<std::vector<std::uint8_t>> patch =
      createPatch(*format, source->bytes(), target->bytes());
  if (!patch)
    return reportFile(streams.err, options.modified, patch.error().what, kExitMalformedInput);
  const Status written =
      writeFileSafely(options.out, *patch, ExistingTail::kDrop, FlushToDisk::kSkip);
  return reportWrite(written, options.out, streams.err);
}

}  // namespace

Command addPatchCommand(CLI::App& program) {
  auto options = std::make_shared<PatchOptions>();
  CLI::App* command = program.add_subcommand(
      "patch", "Write an IPS or BPS patch that turns ORIGINAL into MODIFIED");
  command->add_option("ORIGINAL", options->original, "The file as it was")->required();
  command->add_option("MODIFIED", options->modified, "The file as it should become")->required();
  command->add_option("-o", options->out, "The patch to write (.ips or .bps)")->required();
  command->add_option("--format", options->format, "ips or bps (default: from -o)")
      ->check(CLI::IsMember({"ips", "bps"}));
  return {command, [options](Streams streams) { return runPatch(*options, streams); }};
}

}  // namespace pelmora::cli
