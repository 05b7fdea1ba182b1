#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pelmora::test {

struct CliRun {
  int exitCode = -1;  // -1 if the program did not exit normally
  std::string out;
  std::string err;
};

// Runs the built pelmora-cli with `arguments`, its standard output and error captured through
// files in `scratch`.
CliRun runCli(const std::vector<std::string>& arguments, const std::filesystem::path& scratch);

}  // namespace pelmora::test
