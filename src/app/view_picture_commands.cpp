#include "app/view_picture_commands.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <array>

#include "app/action_registry.h"
#include "app/control_area.h"
#include "app/editor_document.h"
#include "app/local_files.h"
#include "app/picture_surface.h"
#include "app/rgb_qimage.h"
#include "app/user_dialogs.h"
#include "app/window_title.h"
#include "formats/png_file.h"

namespace pelmora::app {
namespace {

// A view as the menus name it, and the ending of the file named after the image (the names the
// command line's render uses for the views).
struct ViewPicture {
  const char* view;
  const char* caption;
  const char* ending;
};

constexpr std::array<ViewPicture, 5> kViewPictures = {{
    {"PAT0", QT_TRANSLATE_NOOP("Actions", "&Tile Sheet…"), "tiles"},
    {"NAT0", QT_TRANSLATE_NOOP("Actions", "Name Table &0…"), "screen0"},
    {"ATT0", QT_TRANSLATE_NOOP("Actions", "&Attribute Table 0…"), "attr0"},
    {"NAT1", QT_TRANSLATE_NOOP("Actions", "Name Table &2…"), "screen1"},
    {"ATT1", QT_TRANSLATE_NOOP("Actions", "Attribute Table 2…"), "attr1"},
}};

// The picture as the screen shows it, in the clipboard's usual format.
QImage clipboardImage(const Surface& surface, int zoom) {
  return qImageOf(surfaceImage(surface, zoom));
}

}  // namespace

ViewPictureCommands::ViewPictureCommands(EditorDocument& document, UserDialogs& dialogs,
                                         ActionRegistry& actions, ControlArea& area,
                                         QWidget& window)
    : QObject(&window),
      document_(document),
      dialogs_(dialogs),
      actions_(actions),
      area_(area),
      window_(window) {
  for (const ViewPicture& picture : kViewPictures) {
    const QByteArray id = QByteArray("actionExportView_") + picture.ending;
    ActionSpec spec;
    spec.id = id.constData();
    spec.needsDocument = true;
    QAction* action = actions.add(spec);
    action->setText(actionText(picture.caption));
    actions.addToPlaceholder("@viewPictures", action);
    connect(action, &QAction::triggered, this, [this, picture] {
      exportViewPicture(*area_.findChild<PictureSurface*>(QLatin1String(picture.view)),
                        QLatin1String(picture.ending));
    });
  }
  connect(actions.find(QStringLiteral("actionCopyViewImage")), &QAction::triggered, this,
          &ViewPictureCommands::copyViewImage);
}

// The same file pelmora-cli render writes at 1×; at a larger zoom each pixel is repeated.
void ViewPictureCommands::exportViewPicture(const PictureSurface& view, const QString& ending) {
  const std::optional<QString> chosen = dialogs_.chooseSaveFile(
      &window_, tr("Export View as PNG"),
      besideRom(document_.core().path, QStringLiteral("-%1.png").arg(ending)),
      tr("PNG picture (*.png)"));
  if (!chosen || chosen->isEmpty()) return;
  const bool shownSize = actions_.find(QStringLiteral("actionExportAtZoomShown"))->isChecked();
  const int scale = shownSize ? view.zoom() : 1;
  const Status written = scale == 1
                             ? writeSurfacePng(view.surface(), localPath(*chosen))
                             : writeRgbPng(surfaceImage(view.surface(), scale), localPath(*chosen));
  if (!written) {
    dialogs_.showMessage(&window_, app::windowTitle(), tr("Error saving file!"),
                         QString::fromStdString(written.error().what));
    return;
  }
  emit message(tr("Picture written to %1.").arg(QFileInfo(*chosen).fileName()), 5000);
}

// The view under the pointer when the shortcut is pressed; from the menu (the pointer is on
// the menu then), name table 0.
void ViewPictureCommands::copyViewImage() {
  const ViewPicture* chosen = &kViewPictures[1];
  for (const ViewPicture& picture : kViewPictures) {
    if (area_.findChild<PictureSurface*>(QLatin1String(picture.view))->underMouse())
      chosen = &picture;
  }
  const PictureSurface& view = *area_.findChild<PictureSurface*>(QLatin1String(chosen->view));
  QGuiApplication::clipboard()->setImage(clipboardImage(view.surface(), view.zoom()));
  emit message(tr("Picture of the %1 copied.")
                   .arg(actionText(chosen->caption)
                            .remove(QLatin1Char('&'))
                            .remove(QChar(0x2026))  // the menu's "…"
                            .toLower()),
               5000);
}

}  // namespace pelmora::app
