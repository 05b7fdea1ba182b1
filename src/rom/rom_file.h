#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "rom/codec_result.h"
#include "rom/rom_image.h"

namespace pelmora {

// Result codes of loadRomFile and saveRomFile.
enum RomFileResult : std::int16_t {
  kRomFileOk = 0,
  kRomFileIoError = 1,       // cannot open, read or write; or a file shorter than 17 bytes
  kRomFileNotInes = 2,       // read, but bytes 0-2 are not "NES"
};

// Replaces `rom` with the file at `path`. On kRomFileNotInes `rom` holds the rejected file;
// on kRomFileIoError for a file too short its header is cleared and its body emptied; if the
// file cannot be opened at all `rom` is unchanged.
std::int16_t loadRomFile(RomImage& rom, const std::filesystem::path& path);

// The same, with why a file was not loaded in the user's words in `reason` (the operating
// system's reason, or what is wrong with the file).
std::int16_t loadRomFile(RomImage& rom, const std::filesystem::path& path, std::string& reason);

// The largest file this program reads: a ROM image (8 MiB), a patch, a name table.
constexpr std::uint64_t kMaximumFileSize = 8u << 20;

// The whole content of a regular file of at most `maximumSize` bytes, or why it cannot be read.
Expected<std::vector<std::uint8_t>> readFileContent(const std::filesystem::path& path,
                                                    std::uint64_t maximumSize = kMaximumFileSize);

// The content of a regular file read in place: mapped read-only from the system's file cache
// rather than copied into a buffer of its own, which would cost a fresh page of memory for
// every 4 KiB. For large inputs read once and not kept (the two files a patch is made from).
// The file stays open until the view is destroyed; it must not be cut short meanwhile.
class FileView {
 public:
  FileView() = default;
  FileView(FileView&& other) noexcept;
  FileView& operator=(FileView&& other) noexcept;
  FileView(const FileView&) = delete;
  FileView& operator=(const FileView&) = delete;
  ~FileView();

  std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

 private:
  friend Expected<FileView> viewFileContent(const std::filesystem::path&, std::uint64_t);
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  void* mapping_ = nullptr;
};

// The whole content of a regular file of at most `maximumSize` bytes as a FileView, or why it
// cannot be read (the same reasons as readFileContent).
Expected<FileView> viewFileContent(const std::filesystem::path& path,
                                   std::uint64_t maximumSize = kMaximumFileSize);

// The bytes of a file holding `rom`: header, then body.
std::vector<std::uint8_t> romFileBytes(const RomImage& rom);

// Same as loadRomFile, from bytes already in memory (the file's whole content).
std::int16_t loadRomBytes(RomImage& rom, const std::uint8_t* data, std::size_t size);

// The same for a file's content that is no longer needed: its buffer becomes the body, so a large
// image is not copied.
std::int16_t loadRomBytes(RomImage& rom, std::vector<std::uint8_t>&& bytes);

// Writes header and body to `path` (created if missing). An existing longer file keeps its
// bytes beyond the image. The image goes to a temporary file in the same folder which then
// replaces the target (a symbolic link's target, keeping its permissions), so the target is
// either the old file or the whole new one. Returns kRomFileOk or kRomFileIoError.
std::int16_t saveRomFile(const RomImage& rom, const std::filesystem::path& path);

// As saveRomFile, but the file afterwards holds exactly the image: a longer file loses its tail.
// For writing a new image rather than saving one back.
std::int16_t writeRomFile(const RomImage& rom, const std::filesystem::path& path);

// saveRomFile and writeRomFile with the reason of a failure (see writeFileSafely); both read the
// file back after writing and fail when it differs.
Status saveRomFileChecked(const RomImage& rom, const std::filesystem::path& path);
Status writeRomFileChecked(const RomImage& rom, const std::filesystem::path& path);

}  // namespace pelmora
