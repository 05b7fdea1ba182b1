#pragma once

#include <cstdint>
#include <string>

#include "formats/rgb_image.h"
#include "rom/codec_result.h"
#include "state/editor_state.h"

namespace pelmora {

// Where the palettes of an imported picture come from.
enum class PicturePalettes {
  kKeep,  // the four background palettes of romPalette, as they are
  kFit,   // four palettes of three colours and a shared backdrop chosen for the picture
};

struct PictureImportOptions {
  PicturePalettes palettes = PicturePalettes::kKeep;
  bool reduce = false;  // merge the nearest tiles when the picture needs more than are free
};

// What an import did, under the names the command line prints.
struct PictureImportReport {
  int tilesUsed = 0;      // distinct tiles the imported cells show
  int tilesNew = 0;       // written into free tiles
  int tilesReused = 0;    // tiles the sheet already had
  int tilesMerged = 0;    // tiles merged into their nearest neighbours to fit
  int pixelsChanged = 0;  // imported pixels drawn in another colour than the picture's own
  int tilesMissing = 0;   // when it does not fit: how many more free tiles it needs
};

// The outcome of an import, for a preview before it is applied: the new state (the state
// passed in, unchanged, when the picture does not fit) and the report.
struct PictureImport {
  EditorState state;
  PictureImportReport report;
  bool fits = true;
  std::string message;  // why it does not fit, in the user's words; empty when it fits
};

// A picture of 256 x 192 or 256 x 240 pixels as the title screen. Every pixel is first matched
// to the nearest master-palette colour, never $0D (black is $0F). Each 16 x 16 area takes the palette with the least
// error; each 8 x 8 cell becomes a tile in that palette; identical tiles are shared, tiles the
// sheet already has are reused, and new tiles go into free tiles (used by no carried cell the
// import does not replace; never $FC). Rows 0-23 of cells replace name table 0 and its
// attribute bytes for those rows; a 256 x 240 picture's rows 24-27 replace name table 2's, in
// the palettes its attribute table already gives; rows 28-29 are ignored. With kFit the
// palettes go into romPalette entries 0-15 and background set 0, with the backdrop in colour 0
// of all eight palettes, and viewPalette is rebuilt. A picture of another size is a failure.
Expected<PictureImport> importTitlePicture(const EditorState& state, const RgbImage& picture,
                                           const PictureImportOptions& options);

}  // namespace pelmora
