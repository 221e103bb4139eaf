#pragma once

#include <QImage>

// A picture of the game, its pixels turned at build time into the form the screen takes, and
// compiled into the program: showing one reads no file and decodes nothing.

namespace quibbet {

struct BakedPicture {
  const unsigned char* pixels;
  int width;
  int height;
  // Premultiplied ARGB32 when the picture has transparency, RGB32 otherwise.
  bool transparent;

  // The picture over the program's own pixels: nothing is copied.
  QImage image() const {
    return QImage(pixels, width, height, width * 4,
                  transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  }
};

// The menu's title band, and the window icon at 48 and 128 pixels.
extern const BakedPicture MenuTitleBand;
extern const BakedPicture Icon48;
extern const BakedPicture Icon128;

}  // namespace quibbet
