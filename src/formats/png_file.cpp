#include "formats/png_file.h"

#include <spng.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "rom/rom_file.h"
#include "rom/safe_file_write.h"

namespace pelmora {
namespace {

constexpr int kMaximumSide = 16384;  // far beyond any view; refuses absurd sizes before decoding
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

// Encodes `rows` (already in the layout `header` describes) into a PNG in memory.
Expected<std::vector<std::uint8_t>> encode(spng_ihdr header, const spng_plte* palette,
                                           std::vector<std::uint8_t>& rows) {
  Context context(spng_ctx_new(SPNG_CTX_ENCODER));
  if (!context) return CodecError{"PNG: out of memory"};
  spng_set_option(context.get(), SPNG_ENCODE_TO_BUFFER, 1);
  int code = spng_set_ihdr(context.get(), &header);
  if (code == 0 && palette != nullptr) code = spng_set_plte(context.get(), const_cast<spng_plte*>(palette));
  if (code == 0)
    code = spng_encode_image(context.get(), rows.data(), rows.size(), SPNG_FMT_PNG,
                             SPNG_ENCODE_FINALIZE);
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

// Pixels 0x00BBGGRR, row by row, as an RGB PNG.
Expected<std::vector<std::uint8_t>> encodeRgbPixels(const std::uint32_t* pixels, int width,
                                                    int height) {
  if (!sizeAllowed(width, height))
    return CodecError{"PNG: the picture has no pixels or is too large"};
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<std::uint8_t> rows(count * 3);
  std::uint8_t* out = rows.data();
  for (std::size_t i = 0; i < count; ++i) {
    *out++ = static_cast<std::uint8_t>(pixels[i]);
    *out++ = static_cast<std::uint8_t>(pixels[i] >> 8);
    *out++ = static_cast<std::uint8_t>(pixels[i] >> 16);
  }
  return encode(headerFor(width, height, SPNG_COLOR_TYPE_TRUECOLOR), nullptr, rows);
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
  std::vector<std::uint8_t> rows = image.indices;
  return encode(headerFor(image.width, image.height, SPNG_COLOR_TYPE_INDEXED), &palette, rows);
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

Expected<RgbImage> decodePng(const std::vector<std::uint8_t>& file) {
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
  std::vector<std::uint8_t> rgb(size);
  code = spng_decode_image(context.get(), rgb.data(), rgb.size(), SPNG_FMT_RGB8, SPNG_DECODE_TRNS);
  if (code != 0) return pngError(code);
  RgbImage image(static_cast<int>(header.width), static_cast<int>(header.height));
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    image.pixels[i] = rgb[i * 3] | static_cast<std::uint32_t>(rgb[i * 3 + 1]) << 8 |
                      static_cast<std::uint32_t>(rgb[i * 3 + 2]) << 16;
  }
  return image;
}

Expected<RgbImage> readPng(const std::filesystem::path& path) {
  const Expected<std::vector<std::uint8_t>> file = readFileContent(path);
  if (!file) return file.error();
  return decodePng(*file);
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
