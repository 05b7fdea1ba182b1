#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "memory/large_buffers.h"

namespace pelmora {

// A colour value: 0x00BBGGRR, red in the low byte. Stored little-endian it is the byte order
// R, G, B, X, which a toolkit can show as a 32-bit RGBX image without converting pixels.
using ColourValue = std::int32_t;

// A picture surface: a persistent image of the surface's size that everything is drawn into,
// and hooks through which a window shows it. Without hooks (tests, the command line) hide, show
// and repaint only keep the visible flag.
class Surface {
 public:
  struct Hooks {
    std::function<void()> hide;
    std::function<void()> show;
    std::function<void()> repaint;
  };

  // A size below zero is taken as zero.
  Surface(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  bool isVisible() const { return visible_; }

  // Pixels row by row, width() per row.
  const std::uint32_t* pixels() const { return pixels_.data(); }
  // The pixel at (x, y); a position outside the image reads as the back colour.
  std::uint32_t pixel(int x, int y) const {
    return contains(x, y) ? pixels_[index(x, y)] : static_cast<std::uint32_t>(kBackColour);
  }
  bool contains(int x, int y) const {
    return static_cast<unsigned>(x) < static_cast<unsigned>(width_) &&
           static_cast<unsigned>(y) < static_cast<unsigned>(height_);
  }
  // Writable row y (0 <= y < height()), width() pixels, for drawing code that has already
  // clipped what it writes.
  std::uint32_t* row(int y) { return pixels_.data() + index(0, y); }

  // Fills the whole image with the back colour (black).
  void clear();
  // Sets one pixel; a position outside the image is ignored.
  void setPixel(int x, int y, ColourValue colour) {
    if (contains(x, y)) pixels_[index(x, y)] = static_cast<std::uint32_t>(colour);
  }
  // Copies the source rectangle onto the destination rectangle of the same image, scaling by
  // pixel replication and clipping to the image, as if the whole source were read before the
  // destination is written. Destination pixel (X, Y) takes source pixel
  // (sx + (X - dx) * sw / dw, sy + (Y - dy) * sh / dh); source pixels outside the image read as
  // the back colour. A rectangle with a width or height of zero or less copies nothing.
  void stretchCopy(int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh);
  // Copies a rectangle of another surface onto a rectangle of this one, scaled the same way.
  void stretchCopyFrom(const Surface& source, int sx, int sy, int sw, int sh, int dx, int dy,
                       int dw, int dh);

  void hide();
  void show();
  void repaint();
  void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

  static constexpr ColourValue kBackColour = 0x00000000;

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  bool visible_ = true;
  std::vector<std::uint32_t, LargeBufferAllocator<std::uint32_t>> pixels_;
  Hooks hooks_;
  // Destination rows of a stretched copy, built from the source before anything is written.
  std::vector<std::uint32_t> stretchRows_;
  std::vector<std::int32_t> stretchColumns_;
};

}  // namespace pelmora
