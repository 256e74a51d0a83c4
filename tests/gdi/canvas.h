// A memory DC on a white bitmap, with helpers to read its pixels back as
// the platform's COLORREF values or as a text picture for readable failures.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "winapi.h"

class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(dc_, width, height);
    previous_ = SelectObject(dc_, bitmap_);
    PatBlt(dc_, 0, 0, width, height, WHITENESS);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }

  // Paints the whole bitmap in one colour.
  void Fill(COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    const RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

  // One character per pixel of the rectangle: '#' for `ink`, '.' for
  // anything else; rows end with '\n'.
  std::string Mask(COLORREF ink, int width, int height, int left = 0, int top = 0) const {
    std::string mask;
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) mask += At(x, y) == ink ? '#' : '.';
      mask += '\n';
    }
    return mask;
  }

  // The bounding box of the pixels that are not white; empty if none.
  RECT InkBounds() const {
    RECT box{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (At(x, y) == RGB(255, 255, 255)) continue;
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
    }
    return box.right == 0 ? RECT{0, 0, 0, 0} : box;
  }

 private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};
