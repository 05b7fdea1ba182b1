#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "app/app_settings.h"
#include "app/edit_tools.h"
#include "edit/document.h"
#include "gfx/master_palette.h"
#include "state/tile_usage.h"
#include "gfx/screen_views.h"
#include "picture/title_picture_import.h"

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace pelmora::app {

class ColourSquare;
class ControlArea;
class PictureSurface;
class UserDialogs;
class PaletteSelector;
class PictureImportDialog;
class TileEditor;

// The main window: it holds the open document and the views drawn from it, the control area
// with every control the user works with, the menus and the status bar. Each command calls one
// operation of the core and redraws what it changed; the window keeps no editing logic of its
// own.
//
// The window is split by concern: main_window.cpp (file commands and editing handlers),
// main_window_controls.cpp (the control area's controls), main_window_menus.cpp (menus,
// actions, recent files, help), main_window_readout.cpp (status bar and pointer readout),
// main_window_view.cpp (zoom, grid and overlays, drops).
//
// Every control keeps its form name as objectName. Members of a control array are named
// "<array>_<index>" (lbl_bkgpal0_5, lbl_bkgpalAlt_79, lbl_coinpal_6, optAttSel0 .. optAttSel3 as
// on the form).
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 823;
  static constexpr int kClientHeight = 554;
  static constexpr int kMaximumZoom = 3;

  // `dialogs` answers the file dialogs and shows the messages; it must outlive the window.
  explicit MainWindow(UserDialogs& dialogs);
  ~MainWindow() override;

  // Opens `path` as the Open command does once a file is chosen, with its message.
  void openPath(const QString& path);
  // The program's arguments after the program name: the first one not starting with "-" is
  // opened at start-up.
  void openStartupArguments(const QStringList& arguments);

  // The status bar: a message that replaces the readout for `timeoutMs` (0: until the next one).
  void showStatusMessage(const QString& text, int timeoutMs = 5000);
  QString readoutText() const;
  QString paletteSetText() const;

  // 1, 2 or 3: how many screen pixels each pixel of the control area takes.
  int zoom() const { return zoom_; }
  bool gridShown() const;

  void redrawAll();
  void setEditingEnabled(bool enabled);
  void refreshPaletteLabels();

  // Performs `command` on the document and its history, redraws what it changed, and brings
  // Undo, Redo and the modified mark up to date. Every edit of the document goes through here.
  PartSet performCommand(EditCommand command);
  // Adds a command whose changes the document already shows (a finished stroke) to the history.
  void recordPerformedCommand(EditCommand command);
  // Redraws the views, squares and controls that show `parts`.
  void refreshAfterChange(PartSet parts);
  // Brings Undo, Redo and the modified mark up to date with the history (after Open and Save).
  void refreshHistoryState();

  const Document& document() const { return document_; }
  Document& document() { return document_; }
  const ScreenViews& views() const { return views_; }
  const ColourTables& colourTables() const { return colours_; }
  ControlArea* controlArea() const { return controlArea_; }
  AppSettings& settings() { return settings_; }
  UserDialogs& dialogs() { return dialogs_; }
  // The palette selector, made on first use; null before.
  PaletteSelector* paletteSelector() const { return paletteSelector_.get(); }
  // The tool, the selected rectangle, the stroke under way and the block last copied.
  const EditSession& editSession() const { return editing_; }
  bool shadingShown() const;
  // The folder the Open dialog starts in: the program's own when it holds the demo image,
  // else the user's documents folder.
  const QString& openDialogFolder() const { return openDialogFolder_; }

  // Menus (later commands add their actions here; the Edit menu and the Import and Export
  // submenus are hidden while they are empty).
  QMenu* fileMenu = nullptr;
  QMenu* recentMenu = nullptr;
  QMenu* importMenu = nullptr;
  QMenu* exportMenu = nullptr;
  QMenu* editMenu = nullptr;
  QMenu* viewMenu = nullptr;
  QMenu* helpMenu = nullptr;

  QAction* actionOpen = nullptr;
  QAction* actionOpenDemo = nullptr;
  QAction* actionSave = nullptr;
  QAction* actionExit = nullptr;
  QAction* actionGrid = nullptr;
  QAction* actionZoomIn = nullptr;
  QAction* actionZoomOut = nullptr;
  QAction* actionActualSize = nullptr;
  QAction* actionNextPaletteSet = nullptr;
  QAction* actionShortcuts = nullptr;
  QAction* actionAbout = nullptr;
  QAction* actionUndo = nullptr;
  QAction* actionRedo = nullptr;
  // The title's tiles (main_window_tiles.cpp, main_window_tile_files.cpp,
  // main_window_picture_import.cpp).
  QAction* actionTileEditor = nullptr;
  QAction* actionShowFreeTiles = nullptr;
  QAction* actionExportTilesChr = nullptr;
  QAction* actionExportTilesPng = nullptr;
  QAction* actionImportTilesChr = nullptr;
  QAction* actionImportTilesPng = nullptr;
  QAction* actionImportPicture = nullptr;

  // The Tile Editor dock (hidden until View > Tile Editor shows it).
  TileEditor* tileEditor() const { return tileEditor_; }
  // The preview of a picture import while it is open; null otherwise.
  PictureImportDialog* pictureImportDialog() const;
  // Redraws only what shows `tile`, after its pixels changed in the document.
  void redrawTile(std::uint8_t tile);
  // After a tile edit: the first of a session says that other screens may use the same tiles.
  void noteTileEdit();
  bool freeTilesShown() const;
  // The preview of importing the picture at `path` as the title (what the Import command opens
  // once a file is chosen); a picture that cannot be read or is of another size is refused.
  void openPictureImport(const QString& path);
  // File commands of main_window_file_commands.cpp and main_window_file_exchange.cpp; the
  // import and export actions are named actionImportNameTable0, actionExportPalette, ...
  QAction* actionSaveAs = nullptr;
  QAction* actionCreatePatch = nullptr;
  QAction* actionApplyPatch = nullptr;
  QAction* actionCopyViewImage = nullptr;
  QMenu* exportViewMenu = nullptr;  // File > Export > View as PNG, one action per view
  QAction* actionExportAtZoomShown = nullptr;  // checked: pictures as large as shown; else 1x
  QAction* actionCut = nullptr;
  QAction* actionCopy = nullptr;
  QAction* actionPaste = nullptr;
  QAction* actionDelete = nullptr;
  QAction* actionFill = nullptr;
  QAction* actionPaintTool = nullptr;
  QAction* actionSelectTool = nullptr;
  QAction* actionPickTile = nullptr;
  QAction* actionShading = nullptr;

  // The controls, named as on the form; their parent is the control area.
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

 public slots:
  // File commands.
  void openFile();
  void openDemoImage();
  void saveFile();
  void exitProgram();

  // View commands.
  void setGridShown(bool shown);
  void zoomIn();
  void zoomOut();
  void actualSize();
  void setZoom(int zoom);
  void nextPaletteSet();

  // Help.
  void showShortcuts();
  void showAbout();

  // Edit > Undo and Redo.
  void undoLastEdit();
  void redoLastEdit();

  // Files in and out (main_window_file_commands.cpp, main_window_file_exchange.cpp).
  void saveFileAs();
  void createPatchFile();
  void applyPatchFile();
  void exportNameTableFile(int screen);  // screen 0: name table 0, 1: name table 2
  void importNameTableFile(int screen);
  void exportPaletteFile();
  void importPaletteFile();
  void exportViewPicture(pelmora::app::PictureSurface* view, const QString& ending);
  void copyViewImage();

  // Edit: the tools and the selected rectangle (main_window_editing.cpp,
  // main_window_selection.cpp).
  void setEditTool(pelmora::app::EditTool tool);
  void pickTileUnderPointer();
  void copySelection();
  void cutSelection();
  void deleteSelection();
  void fillSelection();
  void pasteBlock();
  // View > shading of the cells Save does not write.
  void setShadingShown(bool shown);

 signals:
  // After every command, undo, redo, Open and Save.
  void historyChanged();
  // After a tile was chosen on the tile sheet, or every view was drawn again.
  void selectedTileShown();

 public slots:
  // The title's tiles: View > Show Free Tiles, File > Export and Import of tiles and pictures.
  void setFreeTilesShown(bool shown);
  void exportTilesAsChr();
  void exportTilesAsPng();
  void importTilesFromChr();
  void importTilesFromPng();
  void importPictureAsTitle();

 public slots:

  // Tile placement and attribute editing, with the position in surface pixels.
  void pressTileSheet(int button, int shift, float x, float y);
  void pressNameTable0(int button, int shift, float x, float y);
  void pressNameTable2(int button, int shift, float x, float y);
  void pressAttributes0(int button, int shift, float x, float y);
  void pressAttributes2(int button, int shift, float x, float y);
  void selectAttributePalette(int index);
  void moveOnScreen(int nameTable, int buttons, float x, float y);
  void moveOnAttributes(int nameTable, int buttons, float x, float y);
  void releaseOnView();

  // Palette squares and the palette selector.
  void editRomPaletteColour(int index);
  void editBackgroundSetColour(int index);
  void editCoinColour(int index);
  void toggleCoin();
  // Called by the palette selector as it closes, with the colour it had marked.
  void storeSelectedColour(std::uint8_t colour);
  // Called while the selector is open: shows the views as they would look with `colour`.
  void previewColour(std::uint8_t colour);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // main_window_controls.cpp
  void buildControls();
  void buildFileButtons();
  void buildViews();
  void buildTileControls();
  void buildAttributeControls();
  void buildPaletteFrame();
  void buildMarks();

  // main_window_menus.cpp
  void buildMenus();
  void buildFileMenu();
  void buildViewMenu();
  void buildHelpMenu();
  void buildHistoryActions();  // main_window_history.cpp
  void refreshRecentMenu();
  void openRecent(const QString& path);
  void rememberRecent(const QString& path);

  // main_window_readout.cpp
  void buildStatusBar();
  void connectReadouts();
  void showReadout(const std::string& text);
  void refreshPaletteSetLabel();

  // main_window_editing.cpp
  void buildEditActions();
  void installEditing();
  void refreshEditActions();
  void pressScreen(int nameTable, float x, float y);
  void startSelection(int nameTable, CellPosition cell);
  void pressAttributes(int nameTable, float x, float y);
  void finishStroke();
  void showRefusal(const std::string& reason);
  void setSelection(std::optional<CellSelection> selection);
  void notePointer(int nameTable, double x, double y);
  // main_window_selection.cpp
  void performBlockCommand(Expected<EditCommand> command);
  std::optional<TileBlock> clipboardBlock();
  PictureSurface* screenView(int nameTable) const;
  // main_window_unsaved_edits.cpp: whether the document may be set aside (Open, Exit, close);
  // asks whether to save unsaved edits first.
  bool mayDiscardDocument();
  void openChosenPath(const QString& path);
  void showCaption(const QString& path);

  // main_window_file_commands.cpp, main_window_file_exchange.cpp
  void buildFileCommands();
  void buildExchangeCommands();
  void buildViewPictureMenu();
  // Opens `path` into a new document; an image that fails the game check only when the user
  // says so (nothing is returned otherwise, and the document is as it was).
  std::optional<OpenResult> openConfirmedDocument(const QString& path);
  // Before every write into an image opened in spite of the game check: whether to go on.
  bool confirmWriteIntoImage();
  // Shows Save's message for `result`; whether the file was saved.
  bool showSaveResult(const SaveResult& result);
  void showFileError(const QString& text, const std::string& reason);

  // main_window_tiles.cpp, main_window_tile_files.cpp, main_window_picture_import.cpp
  void buildTileEditing();
  void buildTileFileActions();
  void refreshTileActions();
  void installTileUsage();
  std::string followTileUsage(double x, double y);
  void replaceTileSheet(const TileSheet& sheet, const QString& path);
  void applyPictureImport(const PictureImport& imported, const QString& name);

  // main_window_view.cpp
  void installOverlays();
  void applyZoom();

  void loadStartUpState();
  void resetColourOptions();
  void showLoaded(const QString& path);
  void openPaletteSelector(std::uint8_t target, int index);
  void closePaletteSelector();
  void showViewsOf(const EditorState& state);

  UserDialogs& dialogs_;
  AppSettings settings_;
  Document document_;
  ScreenViews views_;
  ColourTables colours_;
  QString openDialogFolder_;
  QScrollArea* scrollArea_ = nullptr;
  ControlArea* controlArea_ = nullptr;
  QLabel* readout_ = nullptr;
  QLabel* paletteSetLabel_ = nullptr;
  int zoom_ = 1;
  std::unique_ptr<PaletteSelector> paletteSelector_;
  bool unverifiedImage_ = false;  // opened although it failed the game check
  std::vector<QAction*> documentFileActions_;  // enabled while a document is open
  EditSession editing_;
  TileEditor* tileEditor_ = nullptr;
  QPointer<PictureImportDialog> pictureImport_;
  std::vector<TileCell> tileUsers_;  // carried cells showing the tile under the pointer
  bool tileEditNoted_ = false;
};

}  // namespace pelmora::app
