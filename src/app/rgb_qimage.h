#pragma once
// A core picture (0x00BBGGRR pixels) as a Qt image, for the clipboard and the dialogs' previews.

#include <QImage>

#include "formats/rgb_image.h"

namespace pelmora::app {

inline QImage qImageOf(const RgbImage& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t colour = picture.at(x, y);
      line[x] = qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }
  }
  return image;
}

}  // namespace pelmora::app
