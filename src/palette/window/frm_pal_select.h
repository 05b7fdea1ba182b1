#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class QLabel;

namespace pelmora::app {

class ColourSquare;

// The palette selector: the 64 NES colours, one of them marked. It is modeless and has no
// owner window; closing it is the confirmation and hands the marked colour to the handler it
// was made with (the main window's update_palSelectExit), once per closing.
class frmPalSelect : public QWidget {
  Q_OBJECT

 public:
  using ExitHandler = std::function<void(std::uint8_t newVal)>;

  static constexpr int kColourCount = 64;

  explicit frmPalSelect(ExitHandler exitHandler);

  // Marks colour palID AND 0x3F on a freshly painted grid and shows the window; while it is
  // open this only moves the mark.
  void initWindow(std::uint8_t palID);

  void lblnespal_Click(int index);
  void Form_Load();
  void Form_Unload();
  void paintColorGrid();
  void selectColor(int index);

  std::uint8_t selectedColor() const { return selectedColor_; }
  // Between the initWindow that loaded the window and its closing.
  bool isLoaded() const { return loaded_; }

  // The window's controls, named as on the form.
  std::array<ColourSquare*, kColourCount> lblnespal{};
  QLabel* lblSelector = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  ExitHandler exitHandler_;
  std::uint8_t selectedColor_ = 0;
  bool loaded_ = false;
};

}  // namespace pelmora::app
