// The editor's Open command on the demo image, from the chosen path to the finished redraw
// (load, import, the five views, the tile preview and the 119 palette squares), measured next
// to the core's part of it: loading and importing the same file without a window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>

#include "app/main_window.h"
#include "bench_window.h"
#include "demo/demo_image.h"
#include "edit/document.h"
#include "rom/rom_file.h"

namespace {

// Answers every Open dialog with the same file and shows no message; a question is cancelled.
using FixedAnswerDialogs = pelmora::bench::BenchDialogs;

struct DemoFile {
  QTemporaryDir folder;
  QString path = folder.filePath(QStringLiteral("demo.nes"));

  DemoFile() {
    if (pelmora::saveRomFile(pelmora::buildDemoImage(), path.toStdString()) !=
        pelmora::kRomFileOk) {
      std::abort();
    }
  }
};

// Baseline: the core's load and import of the file.
void BM_OpenDocumentCore(benchmark::State& state) {
  DemoFile demo;
  const std::filesystem::path path = demo.path.toStdString();
  pelmora::EditorState shown;
  pelmora::initEditorState(shown);
  for (auto _ : state) {
    // As the window opens: into a fresh document whose state carries the palette target over.
    pelmora::Document document;
    document.state = shown;
    const pelmora::OpenResult result = pelmora::openDocument(document, path);
    if (result.status != pelmora::OpenStatus::kOpened) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(document.state.ppuImage.data());
  }
}
BENCHMARK(BM_OpenDocumentCore)->Unit(benchmark::kMicrosecond);

// The whole command as the Open button runs it, message box answered at once.
void BM_OpenCommand(benchmark::State& state) {
  DemoFile demo;
  FixedAnswerDialogs dialogs(demo.path);
  pelmora::app::MainWindow window(dialogs);
  window.show();
  for (auto _ : state) {
    window.openFile();
    if (dialogs.lastMessage != QStringLiteral("File loaded!")) state.SkipWithError("open failed");
  }
  QApplication::processEvents();
}
BENCHMARK(BM_OpenCommand)->Unit(benchmark::kMicrosecond);

// The full redraw alone, which the palette selector and the set button also run.
void BM_RedrawAll(benchmark::State& state) {
  DemoFile demo;
  FixedAnswerDialogs dialogs(demo.path);
  pelmora::app::MainWindow window(dialogs);
  window.show();
  window.openFile();
  for (auto _ : state) window.redrawAll();
  QApplication::processEvents();
}
BENCHMARK(BM_RedrawAll)->Unit(benchmark::kMicrosecond);

}  // namespace
