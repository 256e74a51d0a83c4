// 图片框1: the banner. The picture is decoded once, when the box is made;
// each paint fills the box with its background and copies the picture at its
// own size to the top-left corner.
#include "ui/controls/jpeg_picture.h"
#include "ui/controls/private_class.h"

namespace ui {
namespace {

class PictureBox : public PrivateClassControl {
 public:
  PictureBox(MainWindow& window, const UnitDefinition& definition)
      : PrivateClassControl(window, definition),
        settings_(std::get<PicBoxSettings>(definition.settings)),
        background_(settings_.background_colour) {}

  bool Make(const ControlCreation& creation) {
    if (!Create(creation, nullptr)) return false;
    picture_ = DecodePicture(settings_.picture);
    if (settings_.border_style == 0) RemoveEdges();
    return true;
  }

 private:
  void Paint(HDC dc, const RECT& client) override {
    const HGDIOBJ previous_brush = SelectObject(dc, background_.get());
    PatBlt(dc, 0, 0, client.right, client.bottom, PATCOPY);
    SelectObject(dc, previous_brush);
    if (!picture_.empty()) DrawPicture(dc);
  }

  // PictureMode 0: the picture's own size, never scaled.
  void DrawPicture(HDC dc) const {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture_.width;
    info.bmiHeader.biHeight = picture_.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const HBITMAP bitmap =
        CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, picture_.rows.data(), &info, DIB_RGB_COLORS);
    const HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    StretchBlt(dc, 0, 0, picture_.width, picture_.height, memory, 0, 0, picture_.width,
               picture_.height, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
  }

  const PicBoxSettings& settings_;
  const SolidBrush background_;  // made once: it keeps the colours of that moment
  DecodedPicture picture_;
};

}  // namespace

std::unique_ptr<Unit> CreatePictureBox(const ControlCreation& creation) {
  return MakeControl<PictureBox>(creation);
}

}  // namespace ui
