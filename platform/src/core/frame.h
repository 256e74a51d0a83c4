// The non-client area: frame widths, the caption and its close button,
// hit-testing and drawing in the classic look.
#pragma once

#include "core/state.h"

namespace lw {

// Frame width on each side for a window's styles (0, 1 for WS_BORDER, 3 for
// a fixed frame, 4 for a sizing frame, plus 2 for WS_EX_CLIENTEDGE).
int FrameWidth(DWORD style, DWORD exStyle);
bool HasCaption(DWORD style);

// Asks the window for its client rectangle (WM_NCCALCSIZE) after its outer
// rectangle changed.
void RecalcClient(Window* w);
// DefWindowProcA's answer to WM_NCCALCSIZE: the client inside a window rect.
RECT DefaultClientRect(const Window* w, const RECT& windowRect);

// In window coordinates (0,0 is the outer top-left corner).
RECT CaptionRect(const Window* w);
RECT CloseButtonRect(const Window* w);
RECT CaptionIconRect(const Window* w);

// DefWindowProcA's WM_NCHITTEST for a point on the screen.
LRESULT DefaultHitTest(Window* w, POINT screen);
// DefWindowProcA's WM_NCPAINT: draws frame and caption now.
void DrawFrame(Window* w);

}  // namespace lw
