// The status bar: the readout of what lies under the pointer on the left, transient messages,
// and the current palette set on the right. Moving the pointer only changes the readout's text;
// no view is drawn again.
#include <QLabel>
#include <QStatusBar>

#include "app/colour_square.h"
#include "app/main_window.h"
#include "app/picture_surface.h"
#include "edit/pointer_readout.h"
#include "rom/title_layout.h"

namespace pelmora::app {
namespace {

constexpr std::int32_t kChrBankSize = 4096;

// Where the title's CHR bank starts in the image body, once an image is open.
std::optional<std::int32_t> titleChrBank(const Document& document) {
  if (!document.loaded) return std::nullopt;
  return static_cast<std::int32_t>(document.rom.chrOffset()) +
         title::kTitleChrBank * kChrBankSize;
}

}  // namespace

void MainWindow::buildStatusBar() {
  readout_ = new QLabel(this);
  readout_->setObjectName(QStringLiteral("readout"));
  // An ignored width keeps a new text from laying the bar out again on every pointer move.
  readout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  readout_->setTextFormat(Qt::PlainText);
  statusBar()->addWidget(readout_, 1);
  paletteSetLabel_ = new QLabel(this);
  paletteSetLabel_->setObjectName(QStringLiteral("paletteSetLabel"));
  statusBar()->addPermanentWidget(paletteSetLabel_);
  refreshPaletteSetLabel();
}

void MainWindow::connectReadouts() {
  const auto screen = [this](int nameTable) {
    return [this, nameTable](double x, double y) {
      notePointer(nameTable, x, y);
      showReadout(screenReadout(document_.state, nameTable, x, y));
    };
  };
  const auto attributes = [this](int nameTable) {
    return [this, nameTable](double x, double y) {
      showReadout(attributeReadout(document_.state, nameTable, x, y));
    };
  };
  NAT0->setHoverHandler(screen(0));
  NAT1->setHoverHandler(screen(2));
  ATT0->setHoverHandler(attributes(0));
  ATT1->setHoverHandler(attributes(2));
  PAT0->setHoverHandler([this](double x, double y) {
    showReadout(tileSheetReadout(titleChrBank(document_), x, y) + followTileUsage(x, y));
  });
  const auto squares = [this](auto& row, std::uint8_t target) {
    for (int i = 0; i < static_cast<int>(row.size()); ++i) {
      connect(row[i], &ColourSquare::hovered, this, [this, target, i] {
        showReadout(paletteSquareReadout(document_.state, target, i));
      });
      connect(row[i], &ColourSquare::left, this, [this] { showReadout({}); });
    }
  };
  squares(lbl_bkgpal0, kTargetRomPalette);
  squares(lbl_bkgpalAlt, kTargetBackgroundSets);
  squares(lbl_coinpal, kTargetCoinPalette);
}

void MainWindow::showReadout(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (readout_->text() != shown) readout_->setText(shown);
}

QString MainWindow::readoutText() const { return readout_->text(); }

QString MainWindow::paletteSetText() const { return paletteSetLabel_->text(); }

void MainWindow::showStatusMessage(const QString& text, int timeoutMs) {
  statusBar()->showMessage(text, timeoutMs);
}

void MainWindow::refreshPaletteSetLabel() {
  paletteSetLabel_->setText(QString::fromStdString(paletteSetReadout(document_.state.paletteSet)));
}

}  // namespace pelmora::app
