#pragma once

#include <QMainWindow>
#include <QString>
#include <optional>

#include "app/app_settings.h"
#include "edit/document.h"
#include "gfx/screen_views.h"

class QLabel;
class QScrollArea;

namespace pelmora::app {

class ActionRegistry;
class ControlArea;
class EditorDocument;
class ImageViewCommands;
class PaletteEditing;
class PaletteSelector;
class PictureImportCommand;
class PictureImportDialog;
class ReadoutLabel;
class RecentFilesMenu;
class SelectionCommands;
class TileEditor;
class TileEditorDock;
class ToolManager;
class UserDialogs;

// The main window: a shell that holds the document, the menus built from the action table, the
// control area, the docks and the status bar, and runs the file commands. Everything else
// listens to the document: the control area draws from its signals, the tools edit it, and
// the commands of the Edit and File menus live in their own classes.
//
// main_window.cpp builds the window and runs the View and Help commands and the status bar;
// main_window_files.cpp holds the file commands (Open, Save, Save As, patches).
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kMaximumZoom = 3;

  // `dialogs` answers the file dialogs and shows the messages; it must outlive the window.
  explicit MainWindow(UserDialogs& dialogs);
  ~MainWindow() override;

  // Opens `path` as the Open command does once a file is chosen, with its message.
  void openPath(const QString& path);
  // The program's arguments after the program name: the first one not starting with "-" is
  // opened at start-up.
  void openStartupArguments(const QStringList& arguments);
  void openFile();
  void saveFile();
  // The preview of importing the picture at `path` as the title, as File > Import opens it.
  void openPictureImport(const QString& path);

  // The status bar: a message that replaces the readout for `timeoutMs` (0: until the next one).
  void showStatusMessage(const QString& text, int timeoutMs = 5000);
  QString readoutText() const;
  QString paletteSetText() const;

  // 1, 2 or 3: how many screen pixels each pixel of the control area takes.
  int zoom() const { return zoom_; }
  void setZoom(int zoom);
  bool gridShown() const;
  void setShadingShown(bool shown);

  EditorDocument& editorDocument() const { return *document_; }
  const Document& document() const;
  // The core document, for scripted changes a user cannot make (tests).
  Document& document();
  // Every edit goes through the document; this one performs `command` there.
  void performCommand(EditCommand command);
  void undoLastEdit();
  // Shows the whole document anew.
  void redrawAll();

  const ScreenViews& views() const;
  const ColourTables& colourTables() const;
  ControlArea* controlArea() const { return area_; }
  AppSettings& settings() { return settings_; }
  // The palette selector, made on first use; null before.
  PaletteSelector* paletteSelector() const;
  // The tile editor dock, made when it is first shown or asked for.
  TileEditor* tileEditor();
  const SelectionCommands& selectionCommands() const { return *selection_; }
  // The status bar's count of changes while View > Show Changes is on.
  QString changesText() const;
  // The preview of a picture import while it is open; null otherwise.
  PictureImportDialog* pictureImportDialog() const;
  // The folder the Open dialog starts in: the program's own when it holds the demo image,
  // else the user's documents folder.
  const QString& openDialogFolder() const { return openDialogFolder_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // main_window.cpp
  void buildActions();
  void connectActions();
  void buildStatusBar();
  void connectDocument();
  void refreshHistoryActions();
  void nextPaletteSet();
  void refreshPaletteSetLabel();
  void setGridShown(bool shown);
  void setFreeTilesShown(bool shown);
  void applyZoom();
  void showMark(const char* id, bool shown, void (AppSettings::*remember)(bool),
                void (ControlArea::*apply)(bool));
  void showReadout(const QString& text);
  void showRefusal(const QString& text);
  void noteTileEdit();

  // main_window_image_view.cpp

  // main_window_files.cpp
  void openDemoImage();
  void openChosenPath(const QString& path);
  // Opens `path` into a new document; an image that fails the game check only when the user
  // says so (nothing is returned otherwise, and the document is as it was).
  std::optional<OpenResult> openConfirmedDocument(const QString& path);
  void showLoaded(const QString& path);
  void saveFileAs();
  void createPatchFile();
  void applyPatchFile();
  // Whether the document may be set aside (Open, Exit, close); asks whether to save unsaved
  // edits first.
  bool mayDiscardDocument();
  // Before every write into an image opened in spite of the game check: whether to go on.
  bool confirmWriteIntoImage();
  // Shows Save's message for `result`; whether the file was saved.
  bool showSaveResult(const SaveResult& result);
  void showFileError(const QString& text, const std::string& reason);
  void showCaption(const QString& path);

  UserDialogs& dialogs_;
  AppSettings settings_;
  EditorDocument* document_ = nullptr;
  ActionRegistry* actions_ = nullptr;
  ToolManager* tools_ = nullptr;
  SelectionCommands* selection_ = nullptr;
  PaletteEditing* palette_ = nullptr;
  RecentFilesMenu* recent_ = nullptr;
  QScrollArea* scrollArea_ = nullptr;
  ControlArea* area_ = nullptr;
  TileEditorDock* tileEditorDock_ = nullptr;
  PictureImportCommand* pictureImport_ = nullptr;
  ReadoutLabel* readout_ = nullptr;
  QLabel* paletteSetLabel_ = nullptr;
  ImageViewCommands* imageView_ = nullptr;
  QString openDialogFolder_;
  int zoom_ = 1;
  bool unverifiedImage_ = false;  // opened although it failed the game check
  bool tileEditNoted_ = false;
};

}  // namespace pelmora::app
