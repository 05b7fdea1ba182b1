#include "app/action_table.h"

#include <QCoreApplication>
#include <vector>

namespace pelmora::app {
namespace {

using Row = ActionSpec;
constexpr Row::Kind kMenu = Row::kMenu;
constexpr Row::Kind kSubmenu = Row::kSubmenu;
constexpr Row::Kind kAction = Row::kAction;
constexpr Row::Kind kPlace = Row::kPlaceholder;

Row separator(const char* menu) { return {Row::kSeparator, "", "", {}, "", menu}; }

std::vector<ActionSpec> buildTable() {
  const QKeySequence none;
  return {
      {kMenu, "fileMenu", QT_TRANSLATE_NOOP("Actions", "&File")},
      {kAction, "actionOpen", QT_TRANSLATE_NOOP("Actions", "&Open…"), QKeySequence::Open,
       ":/icons/open.png", "fileMenu"},
      {kSubmenu, "recentMenu", QT_TRANSLATE_NOOP("Actions", "Open &Recent"), none, "", "fileMenu"},
      {kAction, "actionOpenDemo", QT_TRANSLATE_NOOP("Actions", "Open &Demo Image"), none, "",
       "fileMenu"},
      separator("fileMenu"),
      {kAction, "actionSave", QT_TRANSLATE_NOOP("Actions", "&Save"), QKeySequence::Save,
       ":/icons/save.png", "fileMenu", false, true},
      // Ctrl+Shift+S everywhere: the platform's standard Save As keys are empty on some desktops.
      {kAction, "actionSaveAs", QT_TRANSLATE_NOOP("Actions", "Save &As…"),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "", "fileMenu", false, true},
      separator("fileMenu"),
      {kAction, "actionCreatePatch", QT_TRANSLATE_NOOP("Actions", "&Create Patch…"), none, "",
       "fileMenu", false, true},
      {kAction, "actionApplyPatch", QT_TRANSLATE_NOOP("Actions", "A&pply Patch…"), none, "",
       "fileMenu", false, true},
      {kAction, "actionImageProperties", QT_TRANSLATE_NOOP("Actions", "Image P&roperties…"), none,
       "", "fileMenu", false, true},
      separator("fileMenu"),
      {kSubmenu, "importMenu", QT_TRANSLATE_NOOP("Actions", "&Import"), none, "", "fileMenu"},
      {kPlace, "@imports", "", none, "", "importMenu"},
      {kSubmenu, "exportMenu", QT_TRANSLATE_NOOP("Actions", "&Export"), none, "", "fileMenu"},
      {kPlace, "@exports", "", none, "", "exportMenu"},
      {kSubmenu, "exportViewMenu", QT_TRANSLATE_NOOP("Actions", "&View as PNG"), none, "",
       "exportMenu"},
      {kPlace, "@viewPictures", "", none, "", "exportViewMenu"},
      separator("exportViewMenu"),
      {kAction, "actionExportAtZoomShown", QT_TRANSLATE_NOOP("Actions", "At the &Zoom Shown"),
       none, "", "exportViewMenu", true, false, "exportSize"},
      {kAction, "actionExportAtActualSize", QT_TRANSLATE_NOOP("Actions", "At &Actual Size (1×)"),
       none, "", "exportViewMenu", true, false, "exportSize"},
      separator("exportMenu"),
      {kPlace, "@tileExports", "", none, "", "exportMenu"},
      separator("importMenu"),
      {kPlace, "@tileImports", "", none, "", "importMenu"},
      {kAction, "actionImportPicture", QT_TRANSLATE_NOOP("Actions", "Picture as &Title…"), none,
       "", "importMenu", false, true},
      separator("fileMenu"),
      {kAction, "actionExit", QT_TRANSLATE_NOOP("Actions", "E&xit"),
       QKeySequence(Qt::CTRL | Qt::Key_Q), "", "fileMenu"},

      {kMenu, "editMenu", QT_TRANSLATE_NOOP("Actions", "&Edit")},
      {kAction, "actionUndo", QT_TRANSLATE_NOOP("Actions", "&Undo"), QKeySequence::Undo, "",
       "editMenu"},
      {kAction, "actionRedo", QT_TRANSLATE_NOOP("Actions", "&Redo"),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "", "editMenu"},
      separator("editMenu"),
      {kAction, "actionCut", QT_TRANSLATE_NOOP("Actions", "Cu&t"), QKeySequence::Cut, "",
       "editMenu"},
      {kAction, "actionCopy", QT_TRANSLATE_NOOP("Actions", "&Copy"), QKeySequence::Copy, "",
       "editMenu"},
      {kAction, "actionPaste", QT_TRANSLATE_NOOP("Actions", "&Paste"), QKeySequence::Paste, "",
       "editMenu"},
      {kAction, "actionDelete", QT_TRANSLATE_NOOP("Actions", "&Delete"), QKeySequence::Delete,
       "", "editMenu"},
      {kAction, "actionFill", QT_TRANSLATE_NOOP("Actions", "&Fill with Selected Tile"),
       QKeySequence(Qt::Key_F), "", "editMenu"},
      separator("editMenu"),
      {kPlace, "@tools", "", none, "", "editMenu"},
      separator("editMenu"),
      {kAction, "actionCopyViewImage", QT_TRANSLATE_NOOP("Actions", "Copy &View Image"),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), "", "editMenu", false, true},

      {kMenu, "viewMenu", QT_TRANSLATE_NOOP("Actions", "&View")},
      {kAction, "actionGrid", QT_TRANSLATE_NOOP("Actions", "&Grid"), QKeySequence(Qt::Key_G), "",
       "viewMenu", true},
      separator("viewMenu"),
      {kAction, "actionZoomIn", QT_TRANSLATE_NOOP("Actions", "Zoom &In"), QKeySequence::ZoomIn,
       "", "viewMenu"},
      {kAction, "actionZoomOut", QT_TRANSLATE_NOOP("Actions", "Zoom &Out"),
       QKeySequence::ZoomOut, "", "viewMenu"},
      {kAction, "actionActualSize", QT_TRANSLATE_NOOP("Actions", "&Actual Size"),
       QKeySequence(Qt::CTRL | Qt::Key_0), "", "viewMenu"},
      separator("viewMenu"),
      {kAction, "actionNextPaletteSet", QT_TRANSLATE_NOOP("Actions", "Next &Palette Set"),
       QKeySequence(Qt::Key_P), "", "viewMenu", false, true},
      {kSubmenu, "masterPaletteMenu", QT_TRANSLATE_NOOP("Actions", "&Master Palette"), none, "",
       "viewMenu"},
      {kAction, "actionBuiltInMasterPalette", QT_TRANSLATE_NOOP("Actions", "&Built-in Colours"),
       none, "", "masterPaletteMenu", true, false, "masterPalette"},
      {kAction, "actionMasterPaletteFile", QT_TRANSLATE_NOOP("Actions", "From a .pal &File…"),
       none, "", "masterPaletteMenu", true, false, "masterPalette"},
      separator("viewMenu"),
      {kAction, "actionShowChanges", QT_TRANSLATE_NOOP("Actions", "Show &Changes"), none, "",
       "viewMenu", true},
      {kAction, "actionChangesSinceSave",
       QT_TRANSLATE_NOOP("Actions", "Changes Since the &Last Save"), none, "", "viewMenu", true},
      separator("viewMenu"),
      {kAction, "actionShading",
       QT_TRANSLATE_NOOP("Actions", "&Shade Cells Not Stored in the ROM"), none, "", "viewMenu",
       true},
      separator("viewMenu"),
      {kPlace, "@docks", "", none, "", "viewMenu"},
      {kAction, "actionShowFreeTiles", QT_TRANSLATE_NOOP("Actions", "Show &Free Tiles"), none, "",
       "viewMenu", true},

      {kMenu, "helpMenu", QT_TRANSLATE_NOOP("Actions", "&Help")},
      {kAction, "actionShortcuts", QT_TRANSLATE_NOOP("Actions", "&Keyboard Shortcuts"),
       QKeySequence::HelpContents, "", "helpMenu"},
      {kAction, "actionAbout", QT_TRANSLATE_NOOP("Actions", "&About Pelmora"), none, "",
       "helpMenu"},
  };
}

}  // namespace

std::span<const ActionSpec> mainWindowActions() {
  static const std::vector<ActionSpec> table = buildTable();
  return table;
}

}  // namespace pelmora::app
