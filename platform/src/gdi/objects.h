// The layer's GDI objects and device contexts. Every handle of the GDI
// family (HBRUSH, HFONT, HBITMAP, HRGN, HPEN) points at a GdiObject; HDC
// points at a DeviceContext. Pixels are 0x00RRGGBB in a Surface.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "lw/windows.h"

namespace lw {

// A rectangle of pixels, row-major, top row first, 0x00RRGGBB.
struct Surface {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  void Resize(int w, int h, uint32_t fill = 0);
  uint32_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
  const uint32_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};

// 0x00BBGGRR (COLORREF) to 0x00RRGGBB (pixel) and back.
inline uint32_t PixelFromColor(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF ColorFromPixel(uint32_t p) {
  return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

// A set of pixels as disjoint rectangles.
class Region {
 public:
  Region() = default;
  explicit Region(const RECT& r);

  bool Empty() const { return rects_.empty(); }
  const std::vector<RECT>& Rects() const { return rects_; }
  RECT Bounds() const;
  bool Contains(int x, int y) const;

  void Union(const Region& other);
  void Union(const RECT& r) { Union(Region(r)); }
  void Intersect(const Region& other);
  void Intersect(const RECT& r);
  void Subtract(const Region& other);
  void Subtract(const RECT& r);
  void Offset(int dx, int dy);

 private:
  std::vector<RECT> rects_;
};

enum class GdiKind { Brush, Pen, Font, Bitmap, Region };

struct GdiObject {
  explicit GdiObject(GdiKind k) : kind(k) {}
  virtual ~GdiObject() = default;
  GdiKind kind;
  bool stock = false;  // stock objects ignore DeleteObject
  // How many DCs have it selected. DeleteObject of a selected object only
  // marks it; the last deselection frees it.
  int selections = 0;
  bool deletePending = false;
};

struct Brush : GdiObject {
  Brush() : GdiObject(GdiKind::Brush) {}
  bool hollow = false;  // NULL_BRUSH
  COLORREF color = 0;
};

struct Pen : GdiObject {
  Pen() : GdiObject(GdiKind::Pen) {}
  bool null = false;  // NULL_PEN
  COLORREF color = 0;
};

struct Font : GdiObject {
  Font() : GdiObject(GdiKind::Font) {}
  int pixelHeight = 12;  // the em box in pixels
  bool bold = false;
};

struct Bitmap : GdiObject {
  Bitmap() : GdiObject(GdiKind::Bitmap) {}
  Surface surface;
};

struct RegionObject : GdiObject {
  RegionObject() : GdiObject(GdiKind::Region) {}
  Region region;
};

// A device context draws into one Surface: a window's top-level surface
// (with an origin and a clip for the window's visible part) or a memory
// bitmap. Logical (0,0) is at `origin` in surface pixels; `clip` is in
// surface pixels.
// Null selections stand for the platform's defaults (WHITE_BRUSH, BLACK_PEN,
// SYSTEM_FONT). Destroying a DC deselects what it holds, so a DC must not be
// copied.
struct DeviceContext {
  DeviceContext() = default;
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;
  ~DeviceContext();

  Surface* surface = nullptr;
  POINT origin{0, 0};
  Region clip;
  HWND window = nullptr;  // null for memory DCs
  bool memory = false;

  Brush* brush = nullptr;
  Pen* pen = nullptr;
  Font* font = nullptr;
  Bitmap* bitmap = nullptr;  // memory DCs only

  COLORREF textColor = 0x000000;
  COLORREF bkColor = 0xFFFFFF;
  int bkMode = OPAQUE;
  int stretchBltMode = 1;  // BLACKONWHITE
  POINT penPos{0, 0};
};

inline DeviceContext* ToDC(HDC h) { return reinterpret_cast<DeviceContext*>(h); }
inline HDC ToHDC(DeviceContext* dc) { return reinterpret_cast<HDC>(dc); }
inline GdiObject* ToObject(HGDIOBJ h) { return reinterpret_cast<GdiObject*>(h); }
inline HGDIOBJ ToHandle(GdiObject* o) { return reinterpret_cast<HGDIOBJ>(o); }

// Fills a logical rectangle with a pixel colour, honouring origin and clip.
void FillDeviceRect(DeviceContext& dc, const RECT& logical, uint32_t pixel);
// The device pixel at a logical point, or null outside the surface or clip.
uint32_t* DevicePixel(DeviceContext& dc, int x, int y);
// Sets one logical pixel if it lies inside the clip.
void PutPixel(DeviceContext& dc, int x, int y, uint32_t pixel);

// The default GUI font made bold, for window captions. Owned by the layer.
HFONT CaptionFont();

}  // namespace lw
