#include "app/picture_import_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/rgb_qimage.h"
#include "picture/title_render.h"

namespace pelmora::app {
namespace {

QPixmap pixmapOf(const RgbImage& picture, int zoom) {
  const QImage image = qImageOf(picture);
  return QPixmap::fromImage(image.scaled(image.size() * zoom));
}

QWidget* captioned(const QString& caption, QLabel* picture) {
  auto* box = new QGroupBox(caption);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(picture);
  return box;
}

}  // namespace

PictureImportDialog::PictureImportDialog(const EditorState& state, const ColourTables& colours,
                                         RgbImage picture, int zoom, QWidget* parent)
    : QDialog(parent),
      state_(state),
      colours_(colours),
      picture_(std::move(picture)),
      zoom_(std::max(zoom, 1)) {
  setObjectName(QStringLiteral("pictureImportDialog"));
  setWindowTitle(tr("Import Picture as Title"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildPictures());
  layout->addWidget(buildChoices());
  counts_ = new QLabel(this);
  counts_->setObjectName(QStringLiteral("lblImportCounts"));
  counts_->setWordWrap(true);
  layout->addWidget(counts_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
  applyButton_ = buttons->button(QDialogButtonBox::Apply);
  applyButton_->setDefault(true);
  connect(applyButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  recompute();
}

QWidget* PictureImportDialog::buildPictures() {
  auto* pictures = new QWidget(this);
  auto* row = new QHBoxLayout(pictures);
  row->setContentsMargins(0, 0, 0, 0);
  auto* original = new QLabel;
  original->setObjectName(QStringLiteral("picturePreview"));
  original->setPixmap(pixmapOf(picture_, zoom_));
  resultPicture_ = new QLabel;
  resultPicture_->setObjectName(QStringLiteral("resultPreview"));
  row->addWidget(captioned(tr("Picture"), original));
  row->addWidget(captioned(tr("Title as imported"), resultPicture_));
  return pictures;
}

// "Fit" is the first choice: a new picture rarely uses the ROM's own colours.
QWidget* PictureImportDialog::buildChoices() {
  auto* choices = new QGroupBox(tr("Choices"), this);
  auto* layout = new QVBoxLayout(choices);
  fitPalettes_ = new QRadioButton(tr("&Fit four palettes to the picture"));
  fitPalettes_->setObjectName(QStringLiteral("optFitPalettes"));
  keepPalettes_ = new QRadioButton(tr("&Keep the ROM's palettes"));
  keepPalettes_->setObjectName(QStringLiteral("optKeepPalettes"));
  reduceTiles_ = new QCheckBox(tr("&Reduce: merge the nearest tiles until it fits"));
  reduceTiles_->setObjectName(QStringLiteral("chkReduceTiles"));
  fitPalettes_->setChecked(true);
  for (QWidget* choice : {static_cast<QWidget*>(fitPalettes_), static_cast<QWidget*>(keepPalettes_),
                          static_cast<QWidget*>(reduceTiles_)})
    layout->addWidget(choice);
  connect(fitPalettes_, &QRadioButton::toggled, this, &PictureImportDialog::recompute);
  connect(reduceTiles_, &QCheckBox::toggled, this, &PictureImportDialog::recompute);
  return choices;
}

// The picture's size was checked before the dialog opened, so the import does not fail here.
void PictureImportDialog::recompute() {
  const PictureImportOptions options{
      fitPalettes_->isChecked() ? PicturePalettes::kFit : PicturePalettes::kKeep,
      reduceTiles_->isChecked()};
  Expected<PictureImport> imported = importTitlePicture(state_, picture_, options);
  if (imported) {
    result_ = std::move(imported.value());
  } else {
    result_ = PictureImport{state_, {}, false, imported.error().what};
  }
  showResult();
}

void PictureImportDialog::showResult() {
  resultPicture_->setPixmap(
      pixmapOf(renderTitlePicture(result_.state, colours_, picture_.height), zoom_));
  counts_->setText(countsText());
  applyButton_->setEnabled(result_.fits);
}

QString PictureImportDialog::countsText() const {
  const PictureImportReport& report = result_.report;
  if (!result_.fits) {
    if (report.tilesMissing == 0) return QString::fromStdString(result_.message);
    return QStringLiteral(
               "Does not fit: %1 more %2 needed than are free. Reduce merges the "
               "nearest tiles until it fits.")
        .arg(report.tilesMissing)
        .arg(report.tilesMissing == 1 ? tr("tile is") : tr("tiles are"));
  }
  return tr("Tiles used: %1 · new: %2 · reused: %3 · merged: %4 · pixels changed: %5")
      .arg(report.tilesUsed)
      .arg(report.tilesNew)
      .arg(report.tilesReused)
      .arg(report.tilesMerged)
      .arg(report.pixelsChanged);
}

}  // namespace pelmora::app
