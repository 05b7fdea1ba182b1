#include "app/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pelmora::app {
namespace {

const QString kDemoName = QStringLiteral("demo.nes");

QString besideProgram() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(kDemoName);
}

QString installedData() {
  return QDir(QCoreApplication::applicationDirPath())
      .filePath(QStringLiteral("../share/pelmora/") + kDemoName);
}

}  // namespace

QString demoImagePath() {
  for (const QString& candidate : {besideProgram(), installedData()}) {
    if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).absoluteFilePath();
  }
  return {};
}

QString translationsFolder() {
  const QDir program(QCoreApplication::applicationDirPath());
  const QString beside = program.filePath(QStringLiteral("translations"));
  if (QFileInfo(beside).isDir()) return beside;
  return program.filePath(QStringLiteral("../share/pelmora/translations"));
}

QString openDialogStartFolder() {
  if (QFileInfo(besideProgram()).isFile()) return QCoreApplication::applicationDirPath();
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace pelmora::app
