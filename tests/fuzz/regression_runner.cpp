// Feeds kept inputs to a fuzz target outside libFuzzer, so the normal build replays every
// regression input and every seed the project's writers make: a broken promise aborts.
//
// Usage: pelmora_fuzz_regressions TARGET [--seeds] [FILE_OR_FOLDER...]

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace {

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s TARGET [--seeds] [FILE_OR_FOLDER...]\n", argv[0]);
    return 2;
  }
  const pelmora::fuzz::Entry entry = pelmora::fuzz::findTarget(argv[1]);
  if (!entry) {
    std::fprintf(stderr, "no fuzz target %s\n", argv[1]);
    return 2;
  }
  int inputs = 0;
  const auto run = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::fprintf(stderr, "%s\n", name.c_str());
    entry(bytes.data(), bytes.size());
    ++inputs;
  };
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--seeds") {
      pelmora::fuzz::makeSeeds(argv[1], run);
    } else if (fs::is_directory(argument)) {
      for (const fs::directory_entry& file : fs::recursive_directory_iterator(argument))
        if (file.is_regular_file() && file.path().filename().string()[0] != '.')
          run(file.path().string(), fileBytes(file.path()));
    } else {
      run(argument, fileBytes(argument));
    }
  }
  std::printf("%s: %d inputs keep every promise\n", argv[1], inputs);
  return 0;
}
