#include "gfx/screen_views.h"

#include "gfx/views.h"

namespace pelmora {

namespace {

constexpr std::uint8_t kFirstScreen = 0;   // name table 0, $2000
constexpr std::uint8_t kSecondScreen = 2;  // name table 2, $2800

void redrawScreen(Surface& surface, std::uint8_t nameTable, const EditorState& state,
                  const ColourTables& colours) {
  drawNameTable(surface, state.ppuImage, nameTable, state.tileSheet, state.viewPalette,
                kNameTableScale, colours);
}

void redrawAttributes(Surface& surface, std::uint8_t nameTable, const EditorState& state,
                      const ColourTables& colours) {
  drawAttributeTable(surface, state.ppuImage, nameTable, colours.attributeColours, kAttributeScale);
}

}  // namespace

void redrawViews(ScreenViews& views, const EditorState& state, const ColourTables& colours) {
  drawTileSheet(views.PAT0, state.tileSheet, state.viewPalette, state.paletteSet, kTileSheetScale,
                colours);
  redrawScreen(views.NAT0, kFirstScreen, state, colours);
  redrawAttributes(views.ATT0, kFirstScreen, state, colours);
  redrawScreen(views.NAT1, kSecondScreen, state, colours);
  redrawAttributes(views.ATT1, kSecondScreen, state, colours);
}

void redrawNameTableView(ScreenViews& views, int nameTable, const EditorState& state,
                         const ColourTables& colours) {
  if (nameTable == kFirstScreen) redrawScreen(views.NAT0, kFirstScreen, state, colours);
  if (nameTable == kSecondScreen) redrawScreen(views.NAT1, kSecondScreen, state, colours);
}

void redrawAttributeView(ScreenViews& views, const EditorState& state,
                         const ColourTables& colours) {
  redrawAttributes(views.ATT0, kFirstScreen, state, colours);
}

}  // namespace pelmora
