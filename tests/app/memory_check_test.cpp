// Long use of the editor in one process: a thousand Opens of the demo image through the window's
// Open command keep the resident memory flat. The figures are printed so they can be reported.
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <iostream>
#include <string>

#include "app_harness.h"
#include "support/demo_variants.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

constexpr int kWarmUpOpens = 50;
constexpr int kOpens = 1000;
// Far above what a steady process shows (allocator and font caches settle in the warm-up), far
// below what keeping one image per Open would cost (384 KiB each, 370 MiB in all).
constexpr long kAllowedGrowthKiB = 8 * 1024;

// The process's resident set in KiB, from the VmRSS line of /proc/self/status (0 if unknown).
long residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// Clicks Open `count` times, answering each dialog with `path`, and lets the window paint after
// each. Returns how many of the Opens did not end with `expected` as their one message.
int openRepeatedly(WindowHarness& h, const QString& path, int count, const QString& expected) {
  int wrong = 0;
  for (int i = 0; i < count; ++i) {
    h.dialogs.messages.clear();
    h.dialogs.answers.push_back(path);
    QTest::mouseClick(control<QPushButton>(h.window, "cmdOpenFile"), Qt::LeftButton);
    if (h.dialogs.messages.size() != 1 || h.dialogs.messages.back().text != expected) ++wrong;
    QCoreApplication::processEvents();
  }
  return wrong;
}

struct Figures {
  long atStartKiB = 0;
  long afterWarmUpKiB = 0;
  long atEndKiB = 0;
  qint64 milliseconds = 0;
};

void report(const char* what, const Figures& figures) {
  std::cout << what << ": " << kOpens << " opens (" << kWarmUpOpens << " of them warm-up), VmRSS "
            << figures.atStartKiB << " KiB at the start, " << figures.afterWarmUpKiB
            << " KiB after warm-up, " << figures.atEndKiB << " KiB at the end, growth "
            << figures.atEndKiB - figures.afterWarmUpKiB << " KiB, " << figures.milliseconds
            << " ms" << std::endl;
}

// Opens `path` a thousand times in `h` and measures around the part after the warm-up.
Figures measureOpens(WindowHarness& h, const QString& path, const QString& expected, int& wrong) {
  Figures figures;
  figures.atStartKiB = residentKiB();
  QElapsedTimer clock;
  clock.start();
  wrong = openRepeatedly(h, path, kWarmUpOpens, expected);
  figures.afterWarmUpKiB = residentKiB();
  wrong += openRepeatedly(h, path, kOpens - kWarmUpOpens, expected);
  figures.atEndKiB = residentKiB();
  figures.milliseconds = clock.elapsed();
  return figures;
}

}  // namespace

class MemoryCheckTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void thousandOpensKeepMemoryFlat();
  void thousandFailedOpensKeepMemoryFlat();
};

void MemoryCheckTest::initTestCase() {
  QVERIFY2(residentKiB() > 0, "no VmRSS line in /proc/self/status");
}

void MemoryCheckTest::thousandOpensKeepMemoryFlat() {
  WindowHarness h;
  const QString demo = h.writeDemo();
  int wrong = 0;
  const Figures figures = measureOpens(h, demo, QStringLiteral("File loaded!"), wrong);
  report("demo image", figures);
  QCOMPARE(wrong, 0);
  QCOMPARE(h.window.windowTitle(), QStringLiteral("Pelmora 0.80.0[demo.nes][*]"));
  QVERIFY2(figures.atEndKiB - figures.afterWarmUpKiB <= kAllowedGrowthKiB,
           "resident memory grew by more than 8 MiB");
}

// The failure path reads a whole image too, and throws it away: nothing of it may stay.
void MemoryCheckTest::thousandFailedOpensKeepMemoryFlat() {
  WindowHarness h;
  QCOMPARE(h.open(h.writeDemo()), QStringLiteral("File loaded!"));
  const QString bad = h.folder.filePath(QStringLiteral("cut.nes"));
  writeFileBytes(bad.toStdString(), fileBytes(demoCutShort(0x5E800)));
  int wrong = 0;
  const Figures figures = measureOpens(h, bad, QStringLiteral("Error loading file!"), wrong);
  report("image cut inside the title tiles", figures);
  QCOMPARE(wrong, 0);
  QCOMPARE(h.window.windowTitle(), QStringLiteral("Pelmora 0.80.0[demo.nes][*]"));
  QVERIFY2(figures.atEndKiB - figures.afterWarmUpKiB <= kAllowedGrowthKiB,
           "resident memory grew by more than 8 MiB");
}

QTEST_MAIN(MemoryCheckTest)
#include "memory_check_test.moc"
