#pragma once

#include <gtest/gtest.h>

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

// A test with a fresh folder of its own (named after the test), removed afterwards, in which
// pelmora-cli runs.
class CliFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  CliRun run(const std::vector<std::string>& arguments) const { return runCli(arguments, folder); }
  std::string path(const std::string& name) const { return (folder / name).string(); }

  std::filesystem::path folder;
};

}  // namespace pelmora::test
