#pragma once

#include <QObject>
#include <cstdint>
#include <memory>

class QWidget;

namespace pelmora::app {

class AppSettings;
class ControlArea;
class EditorDocument;
class PaletteSelector;

// Editing a palette square's colour: the palette selector opens on the square's colour, shows
// the views with each colour tried, and hands the colour it closes with back as one command
// (with every square the colour-0 rule stores with it); cancelled, it stores nothing.
class PaletteEditing : public QObject {
  Q_OBJECT

 public:
  PaletteEditing(EditorDocument& document, AppSettings& settings, ControlArea& area,
                 QWidget& window);
  ~PaletteEditing() override;

  void openSquare(std::uint8_t target, int index);
  // Closes an open selector, which hands its colour back while the window can still store it.
  void closeSelector();
  // Made on first use; null before.
  PaletteSelector* selector() const { return selector_.get(); }

 private:
  void storeSelectedColour(std::uint8_t colour);
  void previewColour(std::uint8_t colour);
  void dropPreview();

  EditorDocument& document_;
  AppSettings& settings_;
  ControlArea& area_;
  QWidget& window_;
  std::unique_ptr<PaletteSelector> selector_;
};

}  // namespace pelmora::app
