#include "app/palette_editing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "app/app_settings.h"
#include "app/control_area.h"
#include "app/editor_document.h"
#include "app/palette_selector.h"
#include "edit/single_edits.h"
#include "palette/palette_edit.h"

namespace pelmora::app {
namespace {

const QPoint kSelectorFirstPlace(138, 435);

// `position` for a window of `size`, moved onto the available area of the screen it lies on (or
// of `fallback`'s screen when it lies on none, as after a monitor was taken away).
QPoint onScreen(QPoint position, QSize size, const QWidget& fallback) {
  const QScreen* screen = QGuiApplication::screenAt(position);
  if (screen == nullptr) screen = fallback.screen();
  if (screen == nullptr) return position;
  const QRect available = screen->availableGeometry();
  return {std::clamp(position.x(), available.left(),
                     std::max(available.left(), available.right() + 1 - size.width())),
          std::clamp(position.y(), available.top(),
                     std::max(available.top(), available.bottom() + 1 - size.height()))};
}

}  // namespace

PaletteEditing::PaletteEditing(EditorDocument& document, AppSettings& settings,
                               ControlArea& area, QWidget& window)
    : QObject(&window), document_(document), settings_(settings), area_(area), window_(window) {
  connect(&area, &ControlArea::colourSquareOpened, this, &PaletteEditing::openSquare);
}

// The selector goes without a closing: the main window is no longer there to take its colour.
PaletteEditing::~PaletteEditing() = default;

void PaletteEditing::openSquare(std::uint8_t target, int index) {
  const std::uint8_t value =
      openPaletteSquare(document_.state(), target, static_cast<std::uint8_t>(index));
  if (!selector_) {
    selector_ = std::make_unique<PaletteSelector>(
        [this](std::uint8_t colour) { storeSelectedColour(colour); },
        [this](std::uint8_t colour) { previewColour(colour); }, [this] { dropPreview(); });
    // First shown in the lower middle of the main window, left of the palette rows, so the
    // squares, the tile sheet and the first screen stay in sight. Later it opens where it was
    // last left, in this run or an earlier one, kept on the screen as it is now.
    const std::optional<QPoint> remembered = settings_.selectorPosition();
    selector_->move(remembered ? *remembered
                               : area_.mapToGlobal(area_.scaled(kSelectorFirstPlace)));
    selector_->openWithColour(value);
    // Shown, it has its frame; the whole of it goes onto the screen.
    selector_->move(onScreen(selector_->pos(), selector_->frameGeometry().size(), window_));
    return;
  }
  selector_->setColours(document_.colours());
  selector_->openWithColour(value);
}

void PaletteEditing::closeSelector() {
  if (selector_ && selector_->isLoaded()) selector_->close();
}

void PaletteEditing::storeSelectedColour(std::uint8_t colour) {
  if (selector_) settings_.setSelectorPosition(selector_->pos());
  EditCommand command = storeColourCommand(document_.state(), colour);
  if (command.empty()) {
    document_.announce({});  // takes back what the previews showed
  } else {
    document_.perform(std::move(command));
  }
  window_.activateWindow();
}

// Escape: the views and squares show the document again, and nothing is stored.
void PaletteEditing::dropPreview() {
  if (selector_) settings_.setSelectorPosition(selector_->pos());
  document_.announce({});
  window_.activateWindow();
}

// The document is left as it is: the colour is stored in a copy that only the views and the
// squares show, until the selector closes and hands its colour to storeSelectedColour.
void PaletteEditing::previewColour(std::uint8_t colour) {
  EditorState preview = document_.state();
  storePaletteColour(preview, colour);
  document_.preview(preview);
}

}  // namespace pelmora::app
