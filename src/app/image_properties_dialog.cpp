#include "app/image_properties_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelmora::app {
namespace {

QString byteCount(std::uint64_t bytes) {
  return QObject::tr("%1 bytes").arg(QLocale(QLocale::English).toString(qulonglong{bytes}));
}

QLabel* selectableLabel(const QString& text) {
  auto* label = new QLabel(text);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

ImagePropertiesDialog::ImagePropertiesDialog(const ImageIdentity& identity, const QString& fileName,
                                             QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("imageProperties"));
  setWindowTitle(tr("Image Properties"));
  auto* grid = new QGridLayout;
  addFact(grid, tr("File"), fileName);
  addFact(grid, tr("Header"),
          QString::fromUtf8(headerKindName(identity.header).data()));
  addFact(grid, tr("Mapper"), QString::number(identity.mapper));
  addFact(grid, tr("PRG ROM"), byteCount(identity.prgBytes));
  addFact(grid, tr("CHR ROM"), byteCount(identity.chrBytes));
  addFact(grid, tr("Trainer"),
          identity.trainer ? tr("yes") : tr("no"));
  addFact(grid, tr("Game check"),
          identity.gameCheck ? tr("passes")
                             : tr("fails: not the game Pelmora edits, or changed"));
  addChecksums(grid, tr("Whole file"), QStringLiteral("File"), identity.file);
  addChecksums(grid, tr("Without header (as ROM sets list it)"),
               QStringLiteral("Headerless"), identity.headerless);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
}

void ImagePropertiesDialog::addFact(QGridLayout* grid, const QString& label, const QString& value) {
  const int row = grid->rowCount();
  grid->addWidget(new QLabel(label + QLatin1Char(':')), row, 0);
  grid->addWidget(selectableLabel(value), row, 1, 1, 2);
}

void ImagePropertiesDialog::addChecksums(QGridLayout* grid, const QString& heading,
                                         const QString& namePrefix, const Checksums& sums) {
  auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(heading.toHtmlEscaped()));
  grid->addWidget(title, grid->rowCount(), 0, 1, 3);
  addHash(grid, tr("CRC32"), QString::fromStdString(sums.crc32),
          QStringLiteral("copy%1Crc32").arg(namePrefix));
  addHash(grid, tr("MD5"), QString::fromStdString(sums.md5),
          QStringLiteral("copy%1Md5").arg(namePrefix));
  addHash(grid, tr("SHA-1"), QString::fromStdString(sums.sha1),
          QStringLiteral("copy%1Sha1").arg(namePrefix));
}

// One checksum in a fixed-width font, and a Copy button that puts it on the clipboard.
void ImagePropertiesDialog::addHash(QGridLayout* grid, const QString& label, const QString& value,
                                    const QString& buttonName) {
  const int row = grid->rowCount();
  grid->addWidget(new QLabel(label + QLatin1Char(':')), row, 0);
  QLabel* hash = selectableLabel(value);
  hash->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  grid->addWidget(hash, row, 1);
  auto* copy = new QPushButton(tr("Copy"));
  copy->setObjectName(buttonName);
  copy->setAutoDefault(false);
  copy->setToolTip(tr("Copy the %1 to the clipboard").arg(label));
  connect(copy, &QPushButton::clicked, this,
          [value] { QGuiApplication::clipboard()->setText(value); });
  grid->addWidget(copy, row, 2);
}

}  // namespace pelmora::app
