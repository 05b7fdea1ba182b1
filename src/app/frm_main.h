#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "edit/document.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pelmora::app {

class ColourSquare;
class PictureSurface;
class UserDialogs;
class frmPalSelect;

// The main window: it holds the open document and the views drawn from it, carries every
// control the user works with, and routes each control's events to a handler named after the
// control and the event. Handlers call one editing operation of the core and redraw what it
// changed; the window keeps no editing logic of its own.
class frmMain : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 823;
  static constexpr int kClientHeight = 554;

  // `dialogs` answers the Open dialog and shows the messages; it must outlive the window.
  explicit frmMain(UserDialogs& dialogs);
  ~frmMain() override;

  // Start-up and the file commands.
  void Form_Load();
  void cmdOpenFile_Click();
  void cmdSaveFile_Click();
  void cmdExitApp_Click();

  // Tile placement and attribute editing. Button and shift state are taken and ignored.
  void PAT0_MouseDown(int button, int shift, float x, float y);
  void NAT0_MouseDown(int button, int shift, float x, float y);
  void NAT1_MouseDown(int button, int shift, float x, float y);
  void ATT0_MouseDown(int button, int shift, float x, float y);
  void ATT1_MouseDown(int button, int shift, float x, float y);
  void optAttSel_Click(int index);

  // Palette rows and the palette selector.
  void cmdChangePal_Click();
  void lbl_bkgpal0_DblClick(int index);
  void lbl_bkgpalAlt_DblClick(int index);
  void lbl_coinpal_Click(int index);
  void chkEnableCoin_Click();
  // Called by the palette selector as it closes, with the colour it had marked.
  void update_palSelectExit(std::uint8_t newVal);

  void redrawAll();
  void setEditingEnabled(bool enabled);
  void initEditorState();
  void refreshPaletteLabels();

  const Document& document() const { return document_; }
  Document& document() { return document_; }
  const ScreenViews& views() const { return views_; }
  const ColourTables& colourTables() const { return colours_; }
  // The palette selector, made on first use; null before.
  frmPalSelect* palSelect() const { return palSelect_.get(); }
  // The folder the Open dialog starts in: the program's own.
  const QString& openDialogFolder() const { return openDialogFolder_; }

  // The controls, named as on the form.
  QPushButton* cmdOpenFile = nullptr;
  QPushButton* cmdSaveFile = nullptr;
  QPushButton* cmdExitApp = nullptr;
  QPushButton* cmdChangePal = nullptr;
  PictureSurface* NAT0 = nullptr;
  PictureSurface* NAT1 = nullptr;
  PictureSurface* ATT0 = nullptr;
  PictureSurface* ATT1 = nullptr;
  PictureSurface* PAT0 = nullptr;
  PictureSurface* picSelTile = nullptr;
  QLabel* lblTileID = nullptr;
  QGroupBox* fraAttSel = nullptr;
  std::array<QRadioButton*, 4> optAttSel{};
  QGroupBox* fraPalEdit = nullptr;
  std::array<ColourSquare*, kPaletteEntries> lbl_bkgpal0{};
  std::array<ColourSquare*, kBackgroundSets * kBackgroundSetEntries> lbl_bkgpalAlt{};
  std::array<ColourSquare*, kCoinEntries> lbl_coinpal{};
  QLabel* Label1 = nullptr;
  QCheckBox* chkEnableCoin = nullptr;
  QFrame* Line2 = nullptr;
  std::array<QFrame*, 4> Line1{};

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Building the form (frm_main_controls.cpp).
  void buildControls();
  void buildFileButtons();
  void buildViews();
  void buildTileControls();
  void buildAttributeControls();
  void buildPaletteFrame();
  void buildMarks();

  void openPaletteSelector(std::uint8_t target, int index);
  void closePaletteSelector();

  UserDialogs& dialogs_;
  Document document_;
  ScreenViews views_;
  ColourTables colours_;
  QString openDialogFolder_;
  std::unique_ptr<frmPalSelect> palSelect_;
};

}  // namespace pelmora::app
