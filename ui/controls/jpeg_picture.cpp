#include "ui/controls/jpeg_picture.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

// jpeglib.h uses size_t and FILE without including what declares them.
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace ui {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return; ours jumps back to the decoder, which gives up on the picture.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf return_point;
};

void ReturnToDecoder(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->return_point, 1);
}

// Warnings (level -1) mean corrupt or truncated data, which libjpeg would
// paper over with grey: treat them as fatal. Trace messages are dropped.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0) ReturnToDecoder(info);
}

bool IsJpeg(const PictureBytes& picture) {
  return picture.size >= 2 && picture.data[0] == 0xFF && picture.data[1] == 0xD8;
}

// Nothing with a destructor lives in this frame, so the jump back from
// libjpeg skips none; the pixels go to the caller's object.
bool DecodeJpeg(const PictureBytes& picture, DecodedPicture& out) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ReturnToDecoder;
  errors.base.emit_message = OnMessage;
  if (setjmp(errors.return_point)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, const_cast<unsigned char*>(picture.data),
               static_cast<unsigned long>(picture.size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;  // grey pictures come out as RGB too
  jpeg_start_decompress(&info);

  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  const size_t stride = (static_cast<size_t>(out.width) * 3 + 3) & ~static_cast<size_t>(3);
  out.rows.assign(stride * out.height, 0);
  JSAMPARRAY line = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                              info.output_width * 3, 1);
  while (info.output_scanline < info.output_height) {
    const size_t y = info.output_scanline;
    jpeg_read_scanlines(&info, line, 1);
    unsigned char* row = &out.rows[(out.height - 1 - y) * stride];
    for (int x = 0; x < out.width; ++x) {
      row[3 * x + 0] = line[0][3 * x + 2];
      row[3 * x + 1] = line[0][3 * x + 1];
      row[3 * x + 2] = line[0][3 * x + 0];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

DecodedPicture DecodePicture(const PictureBytes& picture) {
  DecodedPicture decoded;
  if (!IsJpeg(picture) || !DecodeJpeg(picture, decoded)) return DecodedPicture{};
  return decoded;
}

}  // namespace ui
