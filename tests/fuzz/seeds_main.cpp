// Writes the starting inputs of every fuzz target, one folder per target.
//
// Usage: pelmora_fuzz_seeds FOLDER

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fuzz_support.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  bool failed = false;
  for (const pelmora::fuzz::Target& target : pelmora::fuzz::targets()) {
    const fs::path folder = fs::path(argv[1]) / target.name;
    std::error_code error;
    fs::create_directories(folder, error);
    int count = 0;
    pelmora::fuzz::makeSeeds(target.name, [&](const std::string& name, const pelmora::fuzz::Bytes& bytes) {
      std::ofstream file(folder / name, std::ios::binary | std::ios::trunc);
      file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      failed = failed || !file;
      ++count;
    });
    std::printf("%s: %d seeds\n", target.name, count);
  }
  if (failed) {
    std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
