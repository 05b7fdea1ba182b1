#include "gfx/surface.h"

#include <algorithm>
#include <cstring>

#include "memory/fresh_pages.h"

namespace pelmora {

Surface::Surface(int width, int height) : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  pixels_.reserve(count);
  prefaultForWriting(pixels_.data(), count * sizeof(std::uint32_t));
  pixels_.assign(count, static_cast<std::uint32_t>(kBackColour));
}

void Surface::clear() {
  std::fill(pixels_.begin(), pixels_.end(), static_cast<std::uint32_t>(kBackColour));
}

void Surface::stretchCopy(int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
  // Every destination pixel that lands on the image would take itself.
  if (sx == dx && sy == dy && sw == dw && sh == dh) return;
  stretchCopyFrom(*this, sx, sy, sw, sh, dx, dy, dw, dh);
}

// The copy runs in two passes. The first reads the source: for every distinct source row that
// a visible destination row takes, it gathers the finished destination row into stretchRows_.
// The second writes those rows into the image. Nothing is written before everything has been
// read, so a source that overlaps the destination (or is this very surface) copies correctly,
// and the buffer never holds more than the clipped destination.
void Surface::stretchCopyFrom(const Surface& source, int sx, int sy, int sw, int sh, int dx, int dy,
                              int dw, int dh) {
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  const std::int64_t left = std::max<std::int64_t>(dx, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{dx} + dw, width_);
  const std::int64_t top = std::max<std::int64_t>(dy, 0);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{dy} + dh, height_);
  if (left >= right || top >= bottom) return;

  const auto columns = static_cast<std::size_t>(right - left);
  stretchColumns_.resize(columns);
  for (std::size_t i = 0; i < columns; ++i) {
    const std::int64_t x = sx + (left + static_cast<std::int64_t>(i) - dx) * sw / dw;
    stretchColumns_[i] = x >= 0 && x < source.width_ ? static_cast<std::int32_t>(x) : -1;
  }
  const auto sourceRow = [&](std::int64_t y) { return sy + (y - dy) * sh / dh; };
  const auto back = static_cast<std::uint32_t>(kBackColour);

  stretchRows_.clear();
  std::int64_t previous = 0;
  for (std::int64_t y = top; y < bottom; ++y) {
    const std::int64_t from = sourceRow(y);
    if (y != top && from == previous) continue;
    previous = from;
    const std::size_t start = stretchRows_.size();
    stretchRows_.resize(start + columns, back);
    if (from < 0 || from >= source.height_) continue;
    const std::uint32_t* in = source.pixels_.data() + source.index(0, static_cast<int>(from));
    std::uint32_t* out = stretchRows_.data() + start;
    for (std::size_t i = 0; i < columns; ++i) {
      const std::int32_t x = stretchColumns_[i];
      out[i] = x >= 0 ? in[x] : back;
    }
  }

  const std::uint32_t* built = stretchRows_.data();
  for (std::int64_t y = top; y < bottom; ++y) {
    const std::int64_t from = sourceRow(y);
    if (y != top && from != previous) built += columns;
    previous = from;
    std::memcpy(row(static_cast<int>(y)) + left, built, columns * sizeof(std::uint32_t));
  }
}

void Surface::hide() {
  visible_ = false;
  if (hooks_.hide) hooks_.hide();
}

void Surface::show() {
  visible_ = true;
  if (hooks_.show) hooks_.show();
}

void Surface::repaint() {
  if (hooks_.repaint) hooks_.repaint();
}

}  // namespace pelmora
