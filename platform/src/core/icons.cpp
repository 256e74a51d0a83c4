// Icons and cursors from the program's resource table: .ico files parsed
// here (uncompressed images of 1 to 32 bits), scaled to the size asked for
// by averaging, and drawn with their mask.
#include "core/icons.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "gdi/objects.h"
#include "lw/resources.h"
#include "lw/windows.h"

namespace lw {
namespace {

struct Icon {
  Surface image;
  std::vector<uint8_t> opaque;  // one per pixel
  bool shared = false;
};

struct IconCache {
  std::map<std::string, std::unique_ptr<Icon>> shared;
  std::vector<std::unique_ptr<Icon>> owned;
};

IconCache& Cache() {
  static auto* cache = new IconCache;
  return *cache;
}

uint32_t Read32(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
uint16_t Read16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// Decodes one BMP-format icon image (header, palette, colour bits, mask).
std::unique_ptr<Icon> DecodeImage(const unsigned char* p, size_t size) {
  if (size < 40 || Read32(p) < 40) return nullptr;
  const int width = static_cast<int32_t>(Read32(p + 4));
  const int height = static_cast<int32_t>(Read32(p + 8)) / 2;
  const int bits = Read16(p + 14);
  if (width <= 0 || height <= 0 || width > 256 || height > 256) return nullptr;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return nullptr;
  const uint32_t used = Read32(p + 32);
  const size_t paletteCount = bits <= 8 ? (used ? used : 1u << bits) : 0;
  const unsigned char* palette = p + Read32(p);
  const unsigned char* colors = palette + paletteCount * 4;
  const size_t colorStride = ((width * bits + 31) / 32) * 4;
  const size_t maskStride = ((width + 31) / 32) * 4;
  const unsigned char* mask = colors + colorStride * height;
  if (static_cast<size_t>(mask + maskStride * height - p) > size) return nullptr;

  auto icon = std::make_unique<Icon>();
  icon->image.Resize(width, height);
  icon->opaque.assign(static_cast<size_t>(width) * height, 1);
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = colors + colorStride * (height - 1 - y);
    const unsigned char* maskRow = mask + maskStride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      uint32_t pixel;
      bool opaque = !((maskRow[x / 8] >> (7 - x % 8)) & 1);
      if (bits >= 24) {
        const unsigned char* c = row + x * (bits / 8);
        pixel = uint32_t(c[2]) << 16 | c[1] << 8 | c[0];
        if (bits == 32 && c[3] != 0) opaque = c[3] >= 128;
      } else {
        const int index = (row[x * bits / 8] >> (8 - bits - (x * bits) % 8)) & ((1 << bits) - 1);
        const unsigned char* c = palette + 4 * std::min<size_t>(index, paletteCount - 1);
        pixel = uint32_t(c[2]) << 16 | c[1] << 8 | c[0];
      }
      icon->image.Row(y)[x] = pixel;
      icon->opaque[static_cast<size_t>(y) * width + x] = opaque;
    }
  }
  return icon;
}

// Picks the image closest in size to `want` from an .ico file.
std::unique_ptr<Icon> DecodeIco(const unsigned char* data, size_t size, int want) {
  if (size < 6 || Read16(data + 2) != 1) return nullptr;
  const int count = Read16(data + 4);
  int best = -1;
  int bestScore = 1 << 30;
  for (int i = 0; i < count && 6 + 16 * (i + 1) <= static_cast<int>(size); ++i) {
    const int w = data[6 + 16 * i] ? data[6 + 16 * i] : 256;
    const int score = std::abs(w - want) * 64 - Read16(data + 6 + 16 * i + 6);
    if (score < bestScore) {
      bestScore = score;
      best = i;
    }
  }
  if (best < 0) return nullptr;
  const unsigned char* entry = data + 6 + 16 * best;
  const uint32_t bytes = Read32(entry + 8);
  const uint32_t offset = Read32(entry + 12);
  if (offset > size || bytes > size - offset) return nullptr;
  return DecodeImage(data + offset, bytes);
}

// Shrinks or grows by averaging the source pixels each target pixel covers.
std::unique_ptr<Icon> Scale(const Icon& src, int width, int height) {
  auto out = std::make_unique<Icon>();
  out->image.Resize(width, height);
  out->opaque.assign(static_cast<size_t>(width) * height, 0);
  const int sw = src.image.width;
  const int sh = src.image.height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int x0 = x * sw / width, x1 = std::max(x0 + 1, (x + 1) * sw / width);
      const int y0 = y * sh / height, y1 = std::max(y0 + 1, (y + 1) * sh / height);
      uint32_t r = 0, g = 0, b = 0, n = 0, total = 0;
      for (int sy = y0; sy < y1; ++sy) {
        for (int sx = x0; sx < x1; ++sx) {
          ++total;
          if (!src.opaque[static_cast<size_t>(sy) * sw + sx]) continue;
          const uint32_t p = src.image.Row(sy)[sx];
          r += p >> 16 & 0xFF;
          g += p >> 8 & 0xFF;
          b += p & 0xFF;
          ++n;
        }
      }
      if (n * 2 < total || n == 0) continue;
      out->image.Row(y)[x] = (r / n) << 16 | (g / n) << 8 | (b / n);
      out->opaque[static_cast<size_t>(y) * width + x] = 1;
    }
  }
  return out;
}

// A resource's name as the table spells it: numbers in decimal.
std::string ResourceName(LPCSTR name) {
  return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<uintptr_t>(name)) : name;
}

const ResourceEntry* FindResource(LPCSTR name) {
  const std::string wanted = ResourceName(name);
  for (size_t i = 0; i < kResourceCount; ++i)
    if (strcasecmp(kResourceTable[i].name, wanted.c_str()) == 0) return &kResourceTable[i];
  return nullptr;
}

// The platform's own pictures (IDI_APPLICATION, IDC_ARROW): a plain framed
// window shape; the program never shows them.
std::unique_ptr<Icon> BuiltInIcon(int size) {
  auto icon = std::make_unique<Icon>();
  icon->image.Resize(size, size, 0xFFFFFF);
  icon->opaque.assign(static_cast<size_t>(size) * size, 1);
  for (int i = 0; i < size; ++i) {
    icon->image.Row(0)[i] = icon->image.Row(size - 1)[i] = 0;
    icon->image.Row(i)[0] = icon->image.Row(i)[size - 1] = 0;
    icon->image.Row(std::min(1, size - 1))[i] = 0x000080;
  }
  return icon;
}

HICON Keep(std::unique_ptr<Icon> icon, bool shared, const std::string& key) {
  if (!icon) return nullptr;
  Icon* raw = icon.get();
  if (shared) {
    raw->shared = true;
    Cache().shared[key] = std::move(icon);
  } else {
    Cache().owned.push_back(std::move(icon));
  }
  return reinterpret_cast<HICON>(raw);
}

HICON LoadIconImage(HINSTANCE instance, LPCSTR name, int cx, int cy, bool shared) {
  const std::string key = (instance ? "app:" : "sys:") + ResourceName(name) + ":" +
                          std::to_string(cx) + "x" + std::to_string(cy);
  if (shared) {
    auto it = Cache().shared.find(key);
    if (it != Cache().shared.end()) return reinterpret_cast<HICON>(it->second.get());
  }
  std::unique_ptr<Icon> icon;
  if (!instance) {
    icon = BuiltInIcon(cx);
  } else if (const ResourceEntry* entry = FindResource(name)) {
    icon = DecodeIco(entry->data, entry->size, cx);
    if (icon && (icon->image.width != cx || icon->image.height != cy)) icon = Scale(*icon, cx, cy);
  }
  return Keep(std::move(icon), shared, key);
}

}  // namespace

void ResetIcons() {
  Cache().shared.clear();
  Cache().owned.clear();
}

}  // namespace lw

HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
  if (type != IMAGE_ICON && type != IMAGE_CURSOR) return nullptr;
  if (cx == 0 && cy == 0) {
    cx = GetSystemMetrics(SM_CXICON);
    cy = GetSystemMetrics(SM_CYICON);
  }
  if (cx == 0) cx = cy;
  if (cy == 0) cy = cx;
  return lw::LoadIconImage(instance, name, cx, cy, (flags & LR_SHARED) != 0);
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
  return static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, 0, 0, LR_SHARED));
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
  return static_cast<HCURSOR>(LoadImageA(instance, name, IMAGE_CURSOR, 0, 0, LR_SHARED));
}

HCURSOR SetCursor(HCURSOR cursor) {
  static HCURSOR current = nullptr;
  HCURSOR old = current;
  current = cursor;
  return old;
}

BOOL DestroyIcon(HICON handle) {
  auto* icon = reinterpret_cast<lw::Icon*>(handle);
  if (!icon) return FALSE;
  if (icon->shared) return TRUE;
  auto& owned = lw::Cache().owned;
  const auto it =
      std::find_if(owned.begin(), owned.end(), [icon](auto& p) { return p.get() == icon; });
  if (it == owned.end()) return FALSE;
  owned.erase(it);
  return TRUE;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON handle, int cx, int cy, UINT, HBRUSH background,
                UINT) {
  const auto* icon = reinterpret_cast<const lw::Icon*>(handle);
  if (!hdc || !icon) return FALSE;
  const int sw = icon->image.width;
  const int sh = icon->image.height;
  if (cx == 0) cx = sw;
  if (cy == 0) cy = sh;
  if (background) {
    RECT r{x, y, x + cx, y + cy};
    FillRect(hdc, &r, background);
  }
  lw::DeviceContext& dc = *lw::ToDC(hdc);
  for (int j = 0; j < cy; ++j) {
    const int sy = j * sh / cy;
    for (int i = 0; i < cx; ++i) {
      const int sx = i * sw / cx;
      if (icon->opaque[static_cast<size_t>(sy) * sw + sx])
        lw::PutPixel(dc, x + i, y + j, icon->image.Row(sy)[sx]);
    }
  }
  return TRUE;
}
