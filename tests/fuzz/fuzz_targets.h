// The entry of each fuzz target: one input, checked against every promise its reader makes.
// Each returns 0 (libFuzzer's convention) and aborts on a broken promise.

#pragma once

#include <cstddef>
#include <cstdint>

namespace pelmora::fuzz {

int fuzzTitleScreen(const std::uint8_t* data, std::size_t size);     // a ROM file
int fuzzIpsApply(const std::uint8_t* data, std::size_t size);        // an .ips file
int fuzzBpsApply(const std::uint8_t* data, std::size_t size);        // a .bps file
int fuzzPatchRoundTrip(const std::uint8_t* data, std::size_t size);  // two images to diff
int fuzzPictureImport(const std::uint8_t* data, std::size_t size);   // options byte, then a PNG
int fuzzNamImport(const std::uint8_t* data, std::size_t size);       // a .nam file
int fuzzPalImport(const std::uint8_t* data, std::size_t size);       // a .pal file of colours
int fuzzChrImport(const std::uint8_t* data, std::size_t size);       // a .chr file
int fuzzClipboardPaste(const std::uint8_t* data, std::size_t size);  // pasted text
int fuzzBpsMetadata(const std::uint8_t* data, std::size_t size);     // a .bps noting its source
int fuzzMasterPalette(const std::uint8_t* data, std::size_t size);   // a .pal of RGB colours

}  // namespace pelmora::fuzz
