#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "gfx/master_palette.h"

class QLabel;

namespace pelmora::app {

class ColourSquare;

// The palette selector: the 64 NES colours, one of them marked. It is modeless and has no
// owner window; closing it is the confirmation and hands the marked colour to the exit handler
// (the main window's storeSelectedColour), once per closing. Its close button, Enter and a
// double click on a colour close it that way. Escape cancels: the mark goes back to the colour
// the window opened with, the cancel handler is called instead and nothing is handed back.
// Each colour marked while it is open goes to the preview handler.
class PaletteSelector : public QWidget {
  Q_OBJECT

 public:
  using ColourHandler = std::function<void(std::uint8_t colour)>;

  static constexpr int kColourCount = 64;

  PaletteSelector(ColourHandler exitHandler, ColourHandler previewHandler,
                  std::function<void()> cancelHandler);

  // The colours the squares are drawn in (the built-in ones until set): the master palette the
  // views use, under no greyscale and no emphasis.
  void setColours(const ColourTables& colours);

  // Marks colour `colour` AND 0x3F on a freshly painted grid and shows the window; while it is
  // open this only moves the mark.
  void openWithColour(std::uint8_t colour);

  // Marks colour `index` (0-63) and previews it.
  void chooseColour(int index);
  // Closes the window without handing a colour back (Escape).
  void cancel();

  std::uint8_t selectedColor() const { return selectedColor_; }
  // Between the openWithColour that loaded the window and its closing.
  bool isLoaded() const { return loaded_; }

  // The window's controls, named as on the form (squares "lblnespal_<index>").
  std::array<ColourSquare*, kColourCount> lblnespal{};
  QLabel* lblSelector = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void paintColourGrid();
  void markColour(int index);
  void handBackColour();

  ColourHandler exitHandler_;
  ColourHandler previewHandler_;
  std::function<void()> cancelHandler_;
  std::uint8_t selectedColor_ = 0;
  ColourTables colours_;
  std::uint8_t openingColor_ = 0;  // the colour the square had when it was opened
  bool loaded_ = false;
};

}  // namespace pelmora::app
