// Stock objects, object creation and deletion, and selection into DCs.
#include <array>
#include <initializer_list>

#include "gdi/raster.h"

namespace lw {
namespace {

constexpr int kStockCount = DEFAULT_GUI_FONT + 1;

std::unique_ptr<Brush> MakeBrush(COLORREF color, bool hollow) {
  auto brush = std::make_unique<Brush>();
  brush->color = color;
  brush->hollow = hollow;
  return brush;
}

std::unique_ptr<Pen> MakePen(COLORREF color, bool null) {
  auto pen = std::make_unique<Pen>();
  pen->color = color;
  pen->null = null;
  return pen;
}

std::unique_ptr<Font> MakeFont(int pixelHeight, bool bold) {
  auto font = std::make_unique<Font>();
  font->pixelHeight = pixelHeight;
  font->bold = bold;
  return font;
}

// The stock table, indexed by the GetStockObject number; gaps are null.
// SYSTEM_FONT uses the same face as the GUI font at the larger size the
// platform gives it.
const std::array<std::unique_ptr<GdiObject>, kStockCount>& StockTable() {
  static const auto table = [] {
    std::array<std::unique_ptr<GdiObject>, kStockCount> t;
    t[WHITE_BRUSH] = MakeBrush(0xFFFFFF, false);
    t[LTGRAY_BRUSH] = MakeBrush(0xC0C0C0, false);
    t[GRAY_BRUSH] = MakeBrush(0x808080, false);
    t[DKGRAY_BRUSH] = MakeBrush(0x404040, false);
    t[BLACK_BRUSH] = MakeBrush(0x000000, false);
    t[NULL_BRUSH] = MakeBrush(0, true);
    t[WHITE_PEN] = MakePen(0xFFFFFF, false);
    t[BLACK_PEN] = MakePen(0x000000, false);
    t[NULL_PEN] = MakePen(0, true);
    t[SYSTEM_FONT] = MakeFont(16, false);
    t[DEFAULT_GUI_FONT] = MakeFont(12, false);
    for (auto& object : t) {
      if (object) object->stock = true;
    }
    return t;
  }();
  return table;
}

template <typename T>
T* Stock(int index) {
  return static_cast<T*>(StockTable()[index].get());
}

// Frees a GDI object now, or once the last DC holding it lets go.
void ReleaseObject(GdiObject* object) {
  if (object->stock) return;
  if (object->selections > 0) {
    object->deletePending = true;
    return;
  }
  delete object;
}

// The empty bitmap a new memory DC starts with.
Bitmap* MemoryDefaultBitmap() {
  static Bitmap bitmap = [] {
    Bitmap b;
    b.stock = true;
    return b;
  }();
  return &bitmap;
}

// Lets go of an object that a new selection replaced and returns its
// handle, or null if that was its last selection after a DeleteObject.
HGDIOBJ Replaced(GdiObject* previous) {
  --previous->selections;
  if (previous->deletePending && previous->selections == 0) {
    ReleaseObject(previous);
    return nullptr;
  }
  return ToHandle(previous);
}

// Selects `object` into `slot` and returns the handle of what was selected
// (the platform default when nothing was).
template <typename T>
HGDIOBJ Swap(T** slot, T* object, int defaultStock) {
  T* previous = *slot ? *slot : Stock<T>(defaultStock);
  ++object->selections;
  *slot = object;
  return Replaced(previous);
}

// Selects a bitmap into a memory DC: its pixels become the DC's surface.
// A bitmap can be selected into one DC at a time.
HGDIOBJ SelectBitmap(DeviceContext& dc, Bitmap* bitmap) {
  if (!dc.memory || (bitmap->selections > 0 && dc.bitmap != bitmap)) return nullptr;
  Bitmap* previous = dc.bitmap ? dc.bitmap : MemoryDefaultBitmap();
  ++bitmap->selections;
  dc.bitmap = bitmap;
  dc.surface = &bitmap->surface;
  dc.clip = Region(RECT{0, 0, bitmap->surface.width, bitmap->surface.height});
  return Replaced(previous);
}

// Handles below this are the (HBRUSH)(COLOR_xxx + 1) system colour form,
// never objects.
constexpr uintptr_t kFirstObjectHandle = 0x10000;

bool IsObjectHandle(HGDIOBJ handle) {
  return reinterpret_cast<uintptr_t>(handle) >= kFirstObjectHandle;
}

}  // namespace

Brush* SelectedBrush(const DeviceContext& dc) {
  return dc.brush ? dc.brush : Stock<Brush>(WHITE_BRUSH);
}
Pen* SelectedPen(const DeviceContext& dc) { return dc.pen ? dc.pen : Stock<Pen>(BLACK_PEN); }
Font* SelectedFont(const DeviceContext& dc) { return dc.font ? dc.font : Stock<Font>(SYSTEM_FONT); }

HFONT CaptionFont() {
  static const std::unique_ptr<GdiObject> font = [] {
    auto f = MakeFont(12, true);
    f->stock = true;
    return f;
  }();
  return ToHandle(font.get());
}

bool BrushColor(HBRUSH handle, COLORREF* color) {
  const auto value = reinterpret_cast<uintptr_t>(handle);
  if (value == 0) return false;
  if (value <= COLOR_GRADIENTINACTIVECAPTION + 1) {
    *color = GetSysColor(static_cast<int>(value - 1));
    return true;
  }
  GdiObject* object = ToObject(handle);
  if (object->kind != GdiKind::Brush) return false;
  auto* brush = static_cast<Brush*>(object);
  if (brush->hollow) return false;
  *color = brush->color;
  return true;
}

DeviceContext::~DeviceContext() {
  for (GdiObject* held : {static_cast<GdiObject*>(brush), static_cast<GdiObject*>(pen),
                          static_cast<GdiObject*>(font), static_cast<GdiObject*>(bitmap)}) {
    if (held) Replaced(held);
  }
}

}  // namespace lw

using lw::GdiObject;
using lw::ToHandle;
using lw::ToObject;

HGDIOBJ GetStockObject(int i) {
  if (i < 0 || i >= lw::kStockCount) return nullptr;
  return ToHandle(lw::StockTable()[i].get());
}

HBRUSH CreateSolidBrush(COLORREF color) {
  return ToHandle(lw::MakeBrush(color & 0xFFFFFF, false).release());
}

// Lines are one pixel wide whatever width is asked for.
HPEN CreatePen(int style, int, COLORREF color) {
  return ToHandle(lw::MakePen(color & 0xFFFFFF, style != PS_SOLID).release());
}

BOOL DeleteObject(HGDIOBJ handle) {
  if (!lw::IsObjectHandle(handle)) return FALSE;
  lw::ReleaseObject(ToObject(handle));
  return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ handle) {
  if (!hdc || !lw::IsObjectHandle(handle)) return nullptr;
  lw::DeviceContext& dc = *lw::ToDC(hdc);
  GdiObject* object = ToObject(handle);
  switch (object->kind) {
    case lw::GdiKind::Brush:
      return lw::Swap(&dc.brush, static_cast<lw::Brush*>(object), WHITE_BRUSH);
    case lw::GdiKind::Pen:
      return lw::Swap(&dc.pen, static_cast<lw::Pen*>(object), BLACK_PEN);
    case lw::GdiKind::Font:
      return lw::Swap(&dc.font, static_cast<lw::Font*>(object), SYSTEM_FONT);
    case lw::GdiKind::Bitmap:
      return lw::SelectBitmap(dc, static_cast<lw::Bitmap*>(object));
    case lw::GdiKind::Region:
      return nullptr;
  }
  return nullptr;
}
