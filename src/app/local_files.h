#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "rom/codec_result.h"

namespace pelmora::app {

// A path the dialogs returned, in the file system's own encoding.
std::filesystem::path localPath(const QString& path);

// The reverse: a path of the document as the dialogs and captions show it.
QString displayPath(const std::filesystem::path& path);

// A file next to `romPath` named after it: "title.nes" and "-screen0.nam" give
// "title-screen0.nam" in the same folder. Without a ROM path, just the ending without its "-".
QString besideRom(const std::filesystem::path& romPath, const QString& ending);

// The folder of `romPath`, where the dialogs for files to bring in start; empty without one.
QString folderOf(const std::filesystem::path& romPath);

// Writes a file made from the document (a patch, a name table, a palette, a picture): whole or
// not at all, replacing any file there, read back after writing.
Status writeMadeFile(const QString& path, const std::vector<std::uint8_t>& content);

}  // namespace pelmora::app
