#include "app/local_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "rom/safe_file_write.h"

namespace pelmora::app {

std::filesystem::path localPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString displayPath(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QString besideRom(const std::filesystem::path& romPath, const QString& ending) {
  if (romPath.empty()) return ending.mid(ending.startsWith(QLatin1Char('-')) ? 1 : 0);
  const QFileInfo rom(displayPath(romPath));
  return rom.dir().filePath(rom.completeBaseName() + ending);
}

QString folderOf(const std::filesystem::path& romPath) {
  if (romPath.empty()) return {};
  return QFileInfo(displayPath(romPath)).absolutePath();
}

// Such files can be made again from the image, so the write does not wait for the disk.
Status writeMadeFile(const QString& path, const std::vector<std::uint8_t>& content) {
  return writeFileSafely(localPath(path), content, ExistingTail::kDrop, FlushToDisk::kSkip);
}

}  // namespace pelmora::app
