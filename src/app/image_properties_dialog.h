#pragma once

#include <QDialog>

#include "rom/image_identity.h"

class QGridLayout;

namespace pelmora::app {

// File > Image Properties…: which dump the open image is. The header kind, mapper, PRG and CHR
// sizes, the trainer and the game check, then the CRC32, MD5 and SHA-1 of the whole file and of
// the bytes after its header and any trainer, each with a button that copies it.
class ImagePropertiesDialog : public QDialog {
  Q_OBJECT

 public:
  ImagePropertiesDialog(const ImageIdentity& identity, const QString& fileName, QWidget* parent);

 private:
  void addFact(QGridLayout* grid, const QString& label, const QString& value);
  void addChecksums(QGridLayout* grid, const QString& heading, const QString& namePrefix,
                    const Checksums& sums);
  void addHash(QGridLayout* grid, const QString& label, const QString& value,
               const QString& buttonName);
};

}  // namespace pelmora::app
