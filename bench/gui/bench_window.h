#pragma once

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

#include "app/main_window.h"
#include "app/user_dialogs.h"
#include "window_lookup.h"
#include "demo/demo_image.h"
#include "rom/rom_file.h"

namespace pelmora::bench {

// The dialogs of a window under measurement: the Open dialog answers `romPath` (nothing when it
// is empty), every other file dialog is cancelled, questions get `answer`, and nothing is shown.
// The last message's text is kept.
class BenchDialogs final : public app::UserDialogs {
 public:
  explicit BenchDialogs(QString romPath = {},
                        QMessageBox::StandardButton answer = QMessageBox::Discard)
      : romPath_(std::move(romPath)), answer_(answer) {}

  std::optional<QString> chooseRomFile(QWidget*, const QString&, const QString&) override {
    if (romPath_.isEmpty()) return std::nullopt;
    return romPath_;
  }
  std::optional<QString> chooseOpenFile(QWidget*, const QString&, const QString&,
                                        const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> chooseSaveFile(QWidget*, const QString&, const QString&,
                                        const QString&) override {
    return std::nullopt;
  }
  void showMessage(QWidget*, const QString&, const QString& text, const QString&) override {
    lastMessage = text;
  }
  QMessageBox::StandardButton ask(QWidget*, const QString&, const QString&,
                                  QMessageBox::StandardButtons,
                                  QMessageBox::StandardButton) override {
    return answer_;
  }
  void showInformation(QWidget*, const QString&, const QString&) override {}
  void showImageProperties(QWidget*, const ImageIdentity&, const QString&) override {}

  QString lastMessage;

 private:
  QString romPath_;
  QMessageBox::StandardButton answer_;
};

// The demo image, written to a folder of its own and opened in a shown main window.
struct DemoWindow {
  QTemporaryDir folder;
  QString path = folder.filePath(QStringLiteral("demo.nes"));
  BenchDialogs dialogs{path};
  app::MainWindow window{dialogs};

  DemoWindow() {
    if (saveRomFile(buildDemoImage(), path.toStdString()) != kRomFileOk) std::abort();
    window.show();
    window.openPath(path);
    QApplication::processEvents();
  }
};

}  // namespace pelmora::bench
