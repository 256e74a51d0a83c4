// Decoding the picture of a picture box into pixels that a device bitmap can
// be made from.
#pragma once

#include <vector>

#include "ui/unit.h"

namespace ui {

// 24-bit pixels as a bottom-up device-independent bitmap stores them: rows
// from the bottom, blue-green-red, each row padded to 4 bytes.
struct DecodedPicture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rows;

  bool empty() const { return rows.empty(); }
};

// Recognises the format by its first bytes (FF D8: JPEG). Returns an empty
// picture when the bytes cannot be recognised or decoded, truncated data
// included.
DecodedPicture DecodePicture(const PictureBytes& picture);

}  // namespace ui
