// Painting infrastructure: update regions, device contexts on the top-level
// surfaces, and the composed screen.
#pragma once

#include "core/state.h"

namespace lw {

void EnsureSurface(Window* top);
const Surface* WindowSurface(HWND top);

// Adds a region (client coordinates; null for the whole client area) to a
// window's update region; with `children` the visible children under it get
// their share too, frames included.
void InvalidateClient(Window* w, const Region* region, bool erase, bool children);
// The whole window, frame and descendants: used when it appears or moves.
void InvalidateWhole(Window* w);
// Area of a parent uncovered by a child that was hidden or moved away, in
// the parent's client coordinates.
void InvalidateUncovered(Window* parent, const RECT& area);

// The next visible window that wants WM_PAINT, parents before children,
// restricted to `within` and its descendants when given. Sends WM_NCPAINT to
// frames that want it on the way.
Window* NextWindowToPaint(Window* within);

// The part of a window (client area or whole window) that drawing may touch,
// in the coordinates of its top-level surface.
Region VisibleRegion(const Window* w, bool clientOnly);

// The screen: the desktop colour under the visible top-level windows.
void ComposeScreen(Surface* screen);

void ResetPainting();

}  // namespace lw
