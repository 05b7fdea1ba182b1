// A .chr file imported as the tile sheet of the opened demo. Promises: only 4,096 bytes are
// accepted, and a refusal says why; an accepted file is 256 tiles of pixel values 0-3 that the
// writer turns back into the same bytes, and a sheet Save writes and Open reads back.

#include <algorithm>

#include "formats/chr_file.h"
#include "fuzz_support.h"
#include "fuzz_targets.h"

namespace pelmora::fuzz {

int fuzzChrImport(const std::uint8_t* data, std::size_t size) {
  const Bytes file(data, data + size);
  const Expected<TileSheet> sheet = decodeChrFile(file);
  require(static_cast<bool>(sheet) == (size == kChrFileSize), "a .chr file of 4,096 bytes is accepted");
  if (!sheet) {
    require(!sheet.error().what.empty(), "a refused .chr file says why");
    return 0;
  }
  require(sheet.value().size() == kSheetTiles * kTilePixels &&
              std::all_of(sheet.value().begin(), sheet.value().end(), [](std::uint8_t pixel) { return pixel < 4; }),
          "a .chr file holds 256 tiles of pixel values 0-3");
  const Expected<Bytes> written = encodeChrFile(*sheet);
  require(written && *written == file, "a decoded .chr file is written back byte for byte");
  EditorState imported = demoDocument().state;
  imported.tileSheet = *sheet;
  requireSavesAndReopens(imported);
  return 0;
}

}  // namespace pelmora::fuzz
