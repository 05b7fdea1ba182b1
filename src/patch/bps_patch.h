#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "rom/codec_result.h"

namespace pelmora {

// A BPS patch that turns `source` into `target`: "BPS1", the source and target sizes and the
// metadata's size as variable-length numbers, the metadata text, the actions (unchanged
// stretches read from the source, changed ones carried in the patch), then the CRC32s of
// source, target and patch. Other patchers skip the metadata.
std::vector<std::uint8_t> createBpsPatch(const std::vector<std::uint8_t>& source,
                                         const std::vector<std::uint8_t>& target,
                                         std::string_view metadata = {});

// `source` with the BPS patch applied, or why it does not apply: a damaged patch (its own
// CRC32), a source other than the one it was made for (size or CRC32), or a result that does
// not match the target's CRC32.
Expected<std::vector<std::uint8_t>> applyBpsPatch(const std::vector<std::uint8_t>& source,
                                                  const std::vector<std::uint8_t>& patch);

}  // namespace pelmora
