// DrawTextA: line breaks, word wrapping, alignment, prefixes and clipping.
#include <cstring>

#include "gdi/raster.h"
#include "gdi/text.h"

namespace lw {
namespace {

// A character of a line as laid out: decoded, and underlined when a '&'
// prefix marked it.
struct LayoutChar {
  TextChar c;
  bool underline;
};
using LayoutLine = std::vector<LayoutChar>;

bool IsNewline(char32_t c) { return c == U'\r' || c == U'\n'; }

// Splits at CR LF, lone LF and lone CR. A break at the very end of the
// text opens no further line.
std::vector<std::vector<TextChar>> SplitParagraphs(const std::vector<TextChar>& text) {
  std::vector<std::vector<TextChar>> paragraphs(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (!IsNewline(text[i].code)) {
      paragraphs.back().push_back(text[i]);
      continue;
    }
    if (text[i].code == U'\r' && i + 1 < text.size() && text[i + 1].code == U'\n') ++i;
    if (i + 1 < text.size()) paragraphs.emplace_back();
  }
  return paragraphs;
}

// "&&" shows one '&'; '&' before any other character underlines it.
LayoutLine ApplyPrefixes(const std::vector<TextChar>& chars, bool noPrefix) {
  LayoutLine line;
  for (size_t i = 0; i < chars.size(); ++i) {
    if (noPrefix || chars[i].code != U'&') {
      line.push_back({chars[i], false});
    } else if (i + 1 < chars.size()) {
      ++i;
      line.push_back({chars[i], chars[i].code != U'&'});
    }
  }
  return line;
}

// Full-width punctuation that must not begin a line.
bool IsClosingPunctuation(char32_t c) {
  static const char32_t kClosing[] = {U'\uFF0C', U'\u3002', U'\uFF01', U'\uFF1F', U'\uFF1A',
                                      U'\uFF1B', U'\u3001', U'\uFF09', U'\u300B', U'\u300D',
                                      U'\u300F', U'\u201D', U'\u2019'};
  for (char32_t closing : kClosing) {
    if (c == closing) return true;
  }
  return false;
}

// A line may break before `at`: after a run of spaces, or next to a
// double-byte character.
bool CanBreakBefore(const LayoutLine& line, size_t at) {
  const TextChar& before = line[at - 1].c;
  const TextChar& next = line[at].c;
  if (next.code == U' ') return false;
  if (before.code == U' ') return true;
  return (before.doubleByte || next.doubleByte) && !IsClosingPunctuation(next.code);
}

std::vector<TextChar> Chars(const LayoutLine& line, size_t begin, size_t end) {
  std::vector<TextChar> chars;
  for (size_t i = begin; i < end; ++i) chars.push_back(line[i].c);
  return chars;
}

class Layout {
 public:
  Layout(const Font& font, UINT format) : font_(font), format_(format) {}

  TextRun Run(const LayoutLine& line, size_t begin, size_t end) const {
    return MeasureRun(font_, Chars(line, begin, end), (format_ & DT_EXPANDTABS) != 0);
  }
  int Width(const LayoutLine& line) const { return Run(line, 0, line.size()).Width(); }

  // Greedy wrapping: each line takes as many words as fit; a word wider
  // than the line stays whole on a line of its own. The spaces after the
  // last word stay with the line but need not fit.
  void Wrap(const LayoutLine& line, int maxWidth, std::vector<LayoutLine>* out) const {
    size_t start = 0;
    do {
      size_t end = line.size();
      bool found = false;
      for (size_t b = start + 1; b <= line.size(); ++b) {
        if (b < line.size() && !CanBreakBefore(line, b)) continue;
        size_t trimmed = b;
        while (trimmed > start && line[trimmed - 1].c.code == U' ') --trimmed;
        const bool fits = Run(line, start, trimmed).Width() <= maxWidth;
        if (!fits && found) break;
        end = b;
        found = true;
        if (!fits) break;
      }
      out->emplace_back(line.begin() + start, line.begin() + end);
      start = end;
    } while (start < line.size());
  }

 private:
  const Font& font_;
  UINT format_;
};

// Draws a line measured as `run`, then the underlines its prefixes asked for.
void DrawLine(DeviceContext& dc, const Font& font, int x, int y, const LayoutLine& line,
              const TextRun& run) {
  DrawRun(dc, font, x, y, run);
  const int underlineY = y + MetricsOf(font).ascent + 1;
  const uint32_t ink = PixelFromColor(dc.textColor);
  int pen = x;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i].underline) {
      FillDeviceRect(dc, RECT{pen, underlineY, pen + run.advances[i] - 1, underlineY + 1}, ink);
    }
    pen += run.advances[i];
  }
}

// A single line drops its line breaks; otherwise each break starts a new
// paragraph, and DT_WORDBREAK wraps the paragraphs to the rectangle.
std::vector<LayoutLine> LayOutLines(const std::vector<TextChar>& text, const Layout& layout,
                                    UINT format, int width) {
  const bool singleLine = (format & DT_SINGLELINE) != 0;
  std::vector<std::vector<TextChar>> paragraphs;
  if (singleLine) {
    paragraphs.emplace_back();
    for (const TextChar& c : text) {
      if (!IsNewline(c.code)) paragraphs.back().push_back(c);
    }
  } else {
    paragraphs = SplitParagraphs(text);
  }
  std::vector<LayoutLine> lines;
  for (const auto& paragraph : paragraphs) {
    LayoutLine line = ApplyPrefixes(paragraph, (format & DT_NOPREFIX) != 0);
    if ((format & DT_WORDBREAK) && !singleLine) {
      layout.Wrap(line, width, &lines);
    } else {
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

// Only a single line is centred or aligned to the bottom of the rectangle.
int VerticalOffset(UINT format, const RECT& rect, int lineHeight) {
  if (!(format & DT_SINGLELINE)) return 0;
  if (format & DT_VCENTER) return (rect.bottom - rect.top - lineHeight) / 2;
  if (format & DT_BOTTOM) return rect.bottom - rect.top - lineHeight;
  return 0;
}

void DrawLines(DeviceContext& dc, const Font& font, const Layout& layout,
               const std::vector<LayoutLine>& lines, const RECT& rect, int top, UINT format) {
  const Region savedClip = dc.clip;
  if (!(format & DT_NOCLIP)) {
    dc.clip.Intersect(RECT{rect.left + dc.origin.x, rect.top + dc.origin.y,
                           rect.right + dc.origin.x, rect.bottom + dc.origin.y});
  }
  const int lineHeight = MetricsOf(font).height;
  int y = top;
  for (const auto& line : lines) {
    const TextRun run = layout.Run(line, 0, line.size());
    int x = rect.left;
    if (format & DT_CENTER)
      x += (rect.right - rect.left - run.Width()) / 2;
    else if (format & DT_RIGHT)
      x = rect.right - run.Width();
    DrawLine(dc, font, x, y, line, run);
    y += lineHeight;
  }
  dc.clip = savedClip;
}

}  // namespace
}  // namespace lw

int DrawTextA(HDC hdc, LPCSTR text, int count, LPRECT rect, UINT format) {
  if (!hdc || !rect || (!text && count != 0)) return 0;
  lw::DeviceContext& dc = *lw::ToDC(hdc);
  const lw::Font& font = *lw::SelectedFont(dc);
  const int lineHeight = lw::MetricsOf(font).height;
  const int length = count < 0 ? static_cast<int>(std::strlen(text)) : count;
  if (length == 0) {
    if (format & DT_CALCRECT) {
      rect->right = rect->left;
      rect->bottom = rect->top;
    }
    return lineHeight;
  }

  const lw::Layout layout(font, format);
  const std::vector<lw::LayoutLine> lines =
      lw::LayOutLines(lw::DecodeGbk(text, length), layout, format, rect->right - rect->left);
  const int offset = lw::VerticalOffset(format, *rect, lineHeight);
  const int height = offset + lineHeight * static_cast<int>(lines.size());
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const auto& line : lines) widest = std::max(widest, layout.Width(line));
    rect->right = rect->left + widest;
    rect->bottom = rect->top + height;
    return height;
  }
  lw::DrawLines(dc, font, layout, lines, *rect, rect->top + offset, format);
  return height;
}
