// Fonts: WenQuanYi Zen Hei, found through fontconfig. It is the face the
// platform shows for the default GUI font on a Simplified Chinese system
// without the system's own fonts, and its embedded bitmap strikes give the
// crisp, unsmoothed 12-pixel look of classic dialogs. Glyphs are taken
// monochrome (embedded bitmaps where the face has them, hinted outlines
// otherwise); a bold font is the same face emboldened.
#include "gdi/font.h"

#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <sys/stat.h>
#include <unistd.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

namespace lw {
namespace {

constexpr const char* kFacePattern = "WenQuanYi Zen Hei:lang=zh-cn";

struct FaceFile {
  std::string path;
  int index = 0;
};

FaceFile FindFaceFile() {
  FaceFile file;
  if (!FcInit()) return file;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(kFacePattern));
  if (!pattern) return file;
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcChar8* path = nullptr;
  if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
    file.path = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(match, FC_INDEX, 0, &file.index);
  }
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return file;
}

// The face file read with pread rather than mapped. FreeType maps a file it
// opens itself, and the page cache hands out large folios: a few glyphs
// scattered through the 16 MB face then keep megabytes of it resident. Read
// this way, only the tables and glyphs FreeType asks for cost memory.
class FaceStream {
 public:
  FaceStream() = default;
  ~FaceStream() {
    if (stream_.read) Close(&stream_);
  }
  FaceStream(const FaceStream&) = delete;
  FaceStream& operator=(const FaceStream&) = delete;

  // FreeType closes the stream with the face, or when opening it fails.
  bool Open(FT_Library library, const FaceFile& file, FT_Face* face) {
    const int fd = open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0) {
      if (fd >= 0) close(fd);
      return false;
    }
    stream_.descriptor.value = fd;
    stream_.size = static_cast<unsigned long>(info.st_size);
    stream_.read = Read;
    stream_.close = Close;
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = &stream_;
    return FT_Open_Face(library, &args, file.index, face) == 0;
  }

 private:
  // A zero count is a seek, which succeeds with 0.
  static unsigned long Read(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                            unsigned long count) {
    if (count == 0) return offset <= stream->size ? 0 : 1;
    const ssize_t got = pread(static_cast<int>(stream->descriptor.value), buffer, count,
                              static_cast<off_t>(offset));
    return got < 0 ? 0 : static_cast<unsigned long>(got);
  }
  static void Close(FT_Stream stream) {
    close(static_cast<int>(stream->descriptor.value));
    stream->read = nullptr;
  }

  FT_StreamRec stream_{};
};

// One pixel size and weight of the face, with its glyph cache. All sizes
// share the face, so its tables are loaded once.
class SizedFace {
 public:
  SizedFace(FT_Face face, int pixelHeight, bool bold) : pixelHeight_(pixelHeight), bold_(bold) {
    if (face && FT_New_Size(face, &size_) == 0) {
      face_ = face;
      FT_Activate_Size(size_);
      FT_Set_Pixel_Sizes(face_, 0, pixelHeight);
    }
    metrics_ = ComputeMetrics();
  }
  ~SizedFace() {
    if (size_) FT_Done_Size(size_);
  }
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  const FontMetrics& Metrics() const { return metrics_; }

  const Glyph& GlyphFor(char32_t codePoint) {
    auto found = glyphs_.find(codePoint);
    if (found != glyphs_.end()) return found->second;
    return glyphs_.emplace(codePoint, Render(codePoint)).first->second;
  }

 private:
  static int Round26(FT_Pos value) { return static_cast<int>((value + 32) >> 6); }

  FontMetrics ComputeMetrics() const {
    FontMetrics m;
    if (!face_) {
      m.ascent = pixelHeight_;
      m.descent = pixelHeight_ / 3;
      m.height = m.ascent + m.descent;
      m.aveCharWidth = m.maxCharWidth = pixelHeight_ / 2;
      return m;
    }
    const FT_Size_Metrics& size = size_->metrics;
    m.ascent = Round26(size.ascender);
    m.descent = Round26(-size.descender);
    m.height = m.ascent + m.descent;
    m.internalLeading = m.height - pixelHeight_;
    m.maxCharWidth = Round26(size.max_advance);
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const int units = face_->units_per_EM;
    if (os2 && units > 0) {
      m.externalLeading = os2->sTypoLineGap * pixelHeight_ / units;
      m.aveCharWidth = os2->xAvgCharWidth * pixelHeight_ / units;
    } else {
      m.aveCharWidth = pixelHeight_ / 2;
    }
    return m;
  }

  Glyph Render(char32_t codePoint) const {
    Glyph glyph;
    glyph.advance = metrics_.aveCharWidth;
    if (!face_ || FT_Activate_Size(size_) != 0 ||
        FT_Load_Char(face_, codePoint, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0) {
      return glyph;
    }
    FT_GlyphSlot slot = face_->glyph;
    if (bold_) FT_GlyphSlot_Embolden(slot);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) {
      return glyph;
    }
    glyph.advance = Round26(slot->advance.x);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(slot->bitmap.width);
    glyph.height = static_cast<int>(slot->bitmap.rows);
    glyph.mask.resize(static_cast<size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
      const unsigned char* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
      for (int x = 0; x < glyph.width; ++x) {
        glyph.mask[static_cast<size_t>(y) * glyph.width + x] = IsSet(slot->bitmap, row, x);
      }
    }
    return glyph;
  }

  static uint8_t IsSet(const FT_Bitmap& bitmap, const unsigned char* row, int x) {
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) return (row[x / 8] >> (7 - x % 8)) & 1;
    return row[x] >= 128 ? 1 : 0;
  }

  int pixelHeight_;
  bool bold_;
  FT_Face face_ = nullptr;
  FT_Size size_ = nullptr;
  FontMetrics metrics_;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

// Opens the library and the face once; sizes on demand.
class FontCache {
 public:
  FontCache() {
    const FaceFile file = FindFaceFile();
    if (FT_Init_FreeType(&library_) != 0) {
      library_ = nullptr;
    } else if (file.path.empty() || !stream_.Open(library_, file, &face_)) {
      face_ = nullptr;
    }
  }
  ~FontCache() {
    faces_.clear();
    if (face_) FT_Done_Face(face_);
    if (library_) FT_Done_FreeType(library_);
    FcFini();
  }
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  SizedFace& FaceFor(const Font& font) {
    auto key = std::make_pair(font.pixelHeight, font.bold);
    auto found = faces_.find(key);
    if (found == faces_.end()) {
      found = faces_.emplace(key, std::make_unique<SizedFace>(face_, font.pixelHeight, font.bold))
                  .first;
    }
    return *found->second;
  }

 private:
  FT_Library library_ = nullptr;
  FaceStream stream_;
  FT_Face face_ = nullptr;
  std::map<std::pair<int, bool>, std::unique_ptr<SizedFace>> faces_;
};

FontCache& Cache() {
  static FontCache cache;
  return cache;
}

}  // namespace

const FontMetrics& MetricsOf(const Font& font) { return Cache().FaceFor(font).Metrics(); }

const Glyph& GlyphOf(const Font& font, char32_t codePoint) {
  return Cache().FaceFor(font).GlyphFor(codePoint);
}

}  // namespace lw
