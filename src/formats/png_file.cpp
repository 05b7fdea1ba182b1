#include "formats/png_file.h"

#include <spng.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>

#include "rom/rom_file.h"
#include "rom/safe_file_write.h"

namespace pelmora {
namespace {

constexpr int kMaximumSide = 16384;  // far beyond any view; refuses absurd sizes before decoding
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Pictures read are imported as the screen or the tile sheet, so this is already far beyond
// need; it keeps a decoded picture within 64 MiB.
constexpr std::uint32_t kMaximumReadSide = 4096;
// A deflate stream gives at most 1,032 bytes for each byte it holds.
constexpr std::uint64_t kDeflateMaximumRatio = 1032;

struct ContextDeleter {
  void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};
using Context = std::unique_ptr<spng_ctx, ContextDeleter>;

CodecError pngError(int code) { return CodecError{std::string("PNG: ") + spng_strerror(code)}; }

bool sizeAllowed(int width, int height) {
  return width > 0 && height > 0 && width <= kMaximumSide && height <= kMaximumSide;
}

// Asks `writeRow` for each row in turn (the pointer it returns must hold the row in the layout
// `header` describes) and encodes them into a PNG in memory.
template <class WriteRow>
Expected<std::vector<std::uint8_t>> encodeRows(spng_ihdr header, const spng_plte* palette,
                                               std::size_t rowBytes, WriteRow writeRow) {
  Context context(spng_ctx_new(SPNG_CTX_ENCODER));
  if (!context) return CodecError{"PNG: out of memory"};
  spng_set_option(context.get(), SPNG_ENCODE_TO_BUFFER, 1);
  int code = spng_set_ihdr(context.get(), &header);
  if (code == 0 && palette != nullptr) code = spng_set_plte(context.get(), const_cast<spng_plte*>(palette));
  if (code == 0)
    code = spng_encode_image(context.get(), nullptr, 0, SPNG_FMT_PNG,
                             SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE);
  for (std::uint32_t y = 0; code == 0 && y < header.height; ++y) {
    code = spng_encode_row(context.get(), writeRow(y), rowBytes);
    if (code == SPNG_EOI && y + 1 == header.height) code = 0;
  }
  if (code != 0) return pngError(code);
  std::size_t size = 0;
  int error = 0;
  void* buffer = spng_get_png_buffer(context.get(), &size, &error);
  if (buffer == nullptr) return pngError(error);
  const auto* bytes = static_cast<const std::uint8_t*>(buffer);
  std::vector<std::uint8_t> file(bytes, bytes + size);
  std::free(buffer);
  return file;
}

// Encodes `rows` (already in the layout `header` describes) into a PNG in memory.
Expected<std::vector<std::uint8_t>> encode(spng_ihdr header, const spng_plte* palette,
                                           const std::vector<std::uint8_t>& rows) {
  const std::size_t rowBytes = rows.size() / header.height;
  return encodeRows(header, palette, rowBytes,
                    [&](std::uint32_t y) { return rows.data() + y * rowBytes; });
}

spng_ihdr headerFor(int width, int height, std::uint8_t colourType) {
  spng_ihdr header{};
  header.width = static_cast<std::uint32_t>(width);
  header.height = static_cast<std::uint32_t>(height);
  header.bit_depth = 8;
  header.color_type = colourType;
  return header;
}

Status writeEncoded(const Expected<std::vector<std::uint8_t>>& file,
                    const std::filesystem::path& path) {
  if (!file) return file.error();
  return writeFileSafely(path, *file, ExistingTail::kDrop, FlushToDisk::kSkip);
}

// Pixels 0x00BBGGRR, row by row, as an RGB PNG. Each row is converted just before it is
// encoded, so no second copy of the whole picture is made.
Expected<std::vector<std::uint8_t>> encodeRgbPixels(const std::uint32_t* pixels, int width,
                                                    int height) {
  if (!sizeAllowed(width, height))
    return CodecError{"PNG: the picture has no pixels or is too large"};
  const auto columns = static_cast<std::size_t>(width);
  std::vector<std::uint8_t> row(columns * 3);
  return encodeRows(headerFor(width, height, SPNG_COLOR_TYPE_TRUECOLOR), nullptr, row.size(),
                    [&](std::uint32_t y) {
                      const std::uint32_t* in = pixels + y * columns;
                      std::uint8_t* out = row.data();
                      for (std::size_t x = 0; x < columns; ++x) {
                        *out++ = static_cast<std::uint8_t>(in[x]);
                        *out++ = static_cast<std::uint8_t>(in[x] >> 8);
                        *out++ = static_cast<std::uint8_t>(in[x] >> 16);
                      }
                      return row.data();
                    });
}

}  // namespace

Expected<std::vector<std::uint8_t>> encodeRgbPng(const RgbImage& image) {
  if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
    return CodecError{"PNG: the picture has no pixels or is too large"};
  return encodeRgbPixels(image.pixels.data(), image.width, image.height);
}

Expected<std::vector<std::uint8_t>> encodeSurfacePng(const Surface& surface) {
  return encodeRgbPixels(surface.pixels(), surface.width(), surface.height());
}

Status writeSurfacePng(const Surface& surface, const std::filesystem::path& path) {
  return writeEncoded(encodeSurfacePng(surface), path);
}

Expected<std::vector<std::uint8_t>> encodeIndexedPng(const IndexedImage& image) {
  if (!sizeAllowed(image.width, image.height) ||
      image.indices.size() != static_cast<std::size_t>(image.width) * image.height ||
      image.palette.empty() || image.palette.size() > 256)
    return CodecError{"PNG: the picture has no pixels, is too large or has no palette"};
  spng_plte palette{};
  palette.n_entries = static_cast<std::uint32_t>(image.palette.size());
  for (std::size_t i = 0; i < image.palette.size(); ++i) {
    const std::uint32_t colour = image.palette[i];
    palette.entries[i] = {static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
                          static_cast<std::uint8_t>(colour >> 16), 0};
  }
  for (const std::uint8_t index : image.indices) {
    if (index >= image.palette.size()) return CodecError{"PNG: an index lies outside the palette"};
  }
  return encode(headerFor(image.width, image.height, SPNG_COLOR_TYPE_INDEXED), &palette,
                image.indices);
}

Status writeRgbPng(const RgbImage& image, const std::filesystem::path& path) {
  return writeEncoded(encodeRgbPng(image), path);
}

Status writeIndexedPng(const IndexedImage& image, const std::filesystem::path& path) {
  return writeEncoded(encodeIndexedPng(image), path);
}

// Whether the file is long enough to hold the rows its header announces (each row a filter byte
// and its packed samples), checked before any buffer is sized by the header.
bool fileCanHoldRows(const spng_ihdr& header, std::size_t fileSize) {
  std::uint64_t channels = 1;  // grey and indexed
  if (header.color_type == SPNG_COLOR_TYPE_TRUECOLOR) channels = 3;
  if (header.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA) channels = 2;
  if (header.color_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA) channels = 4;
  const std::uint64_t rowBytes = (std::uint64_t{header.width} * channels * header.bit_depth + 7) / 8 + 1;
  return rowBytes * header.height <= kDeflateMaximumRatio * fileSize;
}

// The decoded rows go straight into the picture, one at a time, so no second copy of the whole
// picture is made (interlaced files, whose rows come in several passes, are decoded whole).
Expected<RgbImage> decodePng(std::span<const std::uint8_t> file) {
  if (file.size() < kPngSignature.size() ||
      !std::equal(kPngSignature.begin(), kPngSignature.end(), file.begin()))
    return CodecError{"The file is not a PNG picture."};
  Context context(spng_ctx_new(0));
  if (!context) return CodecError{"PNG: out of memory"};
  spng_set_image_limits(context.get(), kMaximumReadSide, kMaximumReadSide);
  spng_set_crc_action(context.get(), SPNG_CRC_ERROR, SPNG_CRC_ERROR);
  int code = spng_set_png_buffer(context.get(), file.data(), file.size());
  spng_ihdr header{};
  if (code == 0) code = spng_get_ihdr(context.get(), &header);
  std::size_t size = 0;
  if (code == 0) code = spng_decoded_image_size(context.get(), SPNG_FMT_RGB8, &size);
  if (code != 0) return pngError(code);
  if (!fileCanHoldRows(header, file.size()))
    return CodecError{"PNG: the file is too short for the picture its header announces"};
  const bool interlaced = header.interlace_method != SPNG_INTERLACE_NONE;
  std::vector<std::uint8_t> rgb(interlaced ? size : std::size_t{header.width} * 3);
  code = spng_decode_image(context.get(), interlaced ? rgb.data() : nullptr,
                           interlaced ? rgb.size() : 0, SPNG_FMT_RGB8,
                           SPNG_DECODE_TRNS | (interlaced ? 0 : SPNG_DECODE_PROGRESSIVE));
  if (code != 0) return pngError(code);
  RgbImage image(static_cast<int>(header.width), static_cast<int>(header.height));
  const auto convert = [&](const std::uint8_t* in, std::uint32_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      out[i] = in[i * 3] | static_cast<std::uint32_t>(in[i * 3 + 1]) << 8 |
               static_cast<std::uint32_t>(in[i * 3 + 2]) << 16;
    }
  };
  if (interlaced) {
    convert(rgb.data(), image.pixels.data(), image.pixels.size());
    return image;
  }
  for (std::uint32_t y = 0; y < header.height; ++y) {
    code = spng_decode_row(context.get(), rgb.data(), rgb.size());
    if (code != 0 && !(code == SPNG_EOI && y + 1 == header.height)) return pngError(code);
    convert(rgb.data(), image.pixels.data() + std::size_t{y} * header.width, header.width);
  }
  return image;
}

Expected<RgbImage> readPng(const std::filesystem::path& path) {
  const Expected<FileView> file = viewFileContent(path);
  if (!file) return file.error();
  return decodePng(file.value().bytes());
}

RgbImage surfaceImage(const Surface& surface, int zoom) {
  zoom = std::max(zoom, 1);
  RgbImage image(surface.width() * zoom, surface.height() * zoom);
  std::uint32_t* out = image.pixels.data();
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t* row = surface.pixels() + static_cast<std::size_t>(y / zoom) * surface.width();
    for (int x = 0; x < image.width; ++x) *out++ = row[x / zoom] & 0x00FFFFFFu;
  }
  return image;
}

}  // namespace pelmora
