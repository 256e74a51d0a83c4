#include "gdi/gbk.h"

#include <iconv.h>

namespace lw {
namespace {

// One converter for the process, opened on first use.
class GbkConverter {
 public:
  GbkConverter() : cd_(iconv_open("UTF-32LE", "GBK")) {}
  ~GbkConverter() {
    if (Ok()) iconv_close(cd_);
  }
  GbkConverter(const GbkConverter&) = delete;
  GbkConverter& operator=(const GbkConverter&) = delete;

  // Converts one double-byte sequence; false if GBK has no such character.
  bool Pair(unsigned char lead, unsigned char trail, char32_t* out) {
    if (!Ok()) return false;
    char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    unsigned char utf32[4];
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(utf32);
    size_t inLeft = sizeof in;
    size_t outLeft = sizeof utf32;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft) {
      return false;
    }
    *out = utf32[0] | (utf32[1] << 8) | (utf32[2] << 16) | (static_cast<char32_t>(utf32[3]) << 24);
    return true;
  }

 private:
  bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t cd_;
};

bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

}  // namespace

std::vector<TextChar> DecodeGbk(const char* text, int length) {
  static GbkConverter converter;
  std::vector<TextChar> chars;
  chars.reserve(length > 0 ? length : 0);
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  for (int i = 0; i < length; ++i) {
    const unsigned char b = bytes[i];
    if (b < 0x80) {
      chars.push_back({b, false});
      continue;
    }
    char32_t code;
    if (IsLeadByte(b) && i + 1 < length && IsTrailByte(bytes[i + 1]) &&
        converter.Pair(b, bytes[i + 1], &code)) {
      chars.push_back({code, true});
      ++i;
    } else {
      chars.push_back({U'?', false});
    }
  }
  return chars;
}

}  // namespace lw
