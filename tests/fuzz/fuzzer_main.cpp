// libFuzzer's entry for one target, chosen at build time by PELMORA_FUZZ_ENTRY.
#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return pelmora::fuzz::PELMORA_FUZZ_ENTRY(data, size);
}
