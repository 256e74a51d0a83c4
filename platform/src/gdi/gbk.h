// ANSI (code page 936, GBK) text to Unicode.
#pragma once

#include <vector>

namespace lw {

// One decoded character and whether it came from a double-byte sequence.
struct TextChar {
  char32_t code;
  bool doubleByte;
};

// Decodes `length` bytes; bytes that are not valid GBK become '?'.
std::vector<TextChar> DecodeGbk(const char* text, int length);

}  // namespace lw
