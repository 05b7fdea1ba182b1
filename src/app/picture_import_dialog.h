#pragma once

#include <QDialog>

#include "formats/rgb_image.h"
#include "gfx/master_palette.h"
#include "picture/title_picture_import.h"
#include "state/editor_state.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pelmora::app {

// The preview of File > Import > Picture as Title: the picture beside the title as the import
// would make it, the choice of palettes (keep the ROM's or fit new ones) and of merging tiles
// to fit, and the counts of tiles. The import is worked out again at every change of choice;
// Apply (accept) is offered only while the result fits. The document is not touched here: the
// window takes result() when the dialog is accepted.
class PictureImportDialog : public QDialog {
  Q_OBJECT

 public:
  // `state` is the document's state as the import starts from it; `zoom` scales both pictures.
  PictureImportDialog(const EditorState& state, const ColourTables& colours, RgbImage picture,
                      int zoom, QWidget* parent);

  // The import as the choices now stand.
  const PictureImport& result() const { return result_; }

  QRadioButton* keepPalettes() const { return keepPalettes_; }
  QRadioButton* fitPalettes() const { return fitPalettes_; }
  QCheckBox* reduceTiles() const { return reduceTiles_; }
  QPushButton* applyButton() const { return applyButton_; }
  QString countsText() const;

 private:
  QWidget* buildPictures();
  QWidget* buildChoices();
  void recompute();
  void showResult();

  EditorState state_;
  ColourTables colours_;
  RgbImage picture_;
  int zoom_;
  PictureImport result_;
  QLabel* resultPicture_ = nullptr;
  QLabel* counts_ = nullptr;
  QRadioButton* keepPalettes_ = nullptr;
  QRadioButton* fitPalettes_ = nullptr;
  QCheckBox* reduceTiles_ = nullptr;
  QPushButton* applyButton_ = nullptr;
};

}  // namespace pelmora::app
