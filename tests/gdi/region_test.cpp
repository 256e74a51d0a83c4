// Regions: the set operations, region objects and the clip box.
#include <gtest/gtest.h>

#include "canvas.h"
#include "gdi/objects.h"

namespace {

// Draws a region as a text picture so that a failure shows its shape.
std::string Picture(const lw::Region& region, int width, int height) {
  std::string picture;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture += region.Contains(x, y) ? '#' : '.';
    picture += '\n';
  }
  return picture;
}

bool Disjoint(const lw::Region& region) {
  const auto& rects = region.Rects();
  for (size_t i = 0; i < rects.size(); ++i) {
    for (size_t j = i + 1; j < rects.size(); ++j) {
      RECT overlap;
      if (IntersectRect(&overlap, &rects[i], &rects[j])) return false;
    }
  }
  return true;
}

TEST(Region, SetOperationsKeepDisjointRectangles) {
  const RECT a{1, 1, 5, 4};
  const RECT b{3, 2, 7, 6};
  struct Case {
    const char* name;
    void (*apply)(lw::Region*, const RECT&);
    const char* picture;
  } cases[] = {
      {"union", [](lw::Region* r, const RECT& x) { r->Union(x); },
       ".......\n"
       ".####..\n"
       ".######\n"
       ".######\n"
       "...####\n"
       "...####\n"},
      {"intersect", [](lw::Region* r, const RECT& x) { r->Intersect(x); },
       ".......\n"
       ".......\n"
       "...##..\n"
       "...##..\n"
       ".......\n"
       ".......\n"},
      {"subtract", [](lw::Region* r, const RECT& x) { r->Subtract(x); },
       ".......\n"
       ".####..\n"
       ".##....\n"
       ".##....\n"
       ".......\n"
       ".......\n"},
  };
  for (const Case& c : cases) {
    lw::Region region(a);
    c.apply(&region, b);
    EXPECT_EQ(Picture(region, 7, 6), c.picture) << c.name;
    EXPECT_TRUE(Disjoint(region)) << c.name;
  }
}

TEST(Region, MergesBackIntoOneRectangle) {
  lw::Region region(RECT{0, 0, 4, 4});
  region.Subtract(RECT{1, 1, 3, 3});
  EXPECT_GT(region.Rects().size(), 1u);
  region.Union(RECT{1, 1, 3, 3});
  ASSERT_EQ(region.Rects().size(), 1u);
  const RECT bounds = region.Bounds();
  EXPECT_TRUE(bounds.left == 0 && bounds.top == 0 && bounds.right == 4 && bounds.bottom == 4);
  region.Offset(2, 3);
  EXPECT_TRUE(region.Contains(2, 3));
  EXPECT_FALSE(region.Contains(6, 3));
  region.Subtract(RECT{0, 0, 10, 10});
  EXPECT_TRUE(region.Empty());
}

TEST(CombineRgn, ReportsTheKindOfRegion) {
  HRGN a = CreateRectRgn(0, 0, 4, 4);
  HRGN b = CreateRectRgn(2, 2, 6, 6);
  HRGN far = CreateRectRgn(10, 10, 12, 12);
  HRGN out = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_XOR), COMPLEXREGION);
  EXPECT_EQ(CombineRgn(out, a, far, RGN_AND), NULLREGION);
  EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_DIFF), RGN_ERROR);

  Canvas canvas(8, 8);
  CombineRgn(out, a, b, RGN_XOR);
  FillRgn(canvas.dc(), out, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(canvas.Mask(RGB(0, 0, 0), 7, 7),
            "####...\n"
            "####...\n"
            "##..##.\n"
            "##..##.\n"
            "..####.\n"
            "..####.\n"
            ".......\n");
  for (HRGN r : {a, b, far, out}) DeleteObject(r);
}

// A window DC sees its clip in logical coordinates, from its origin.
TEST(GetClipBox, IsLogicalAndNamesTheRegionKind) {
  Canvas canvas(20, 20);
  lw::DeviceContext& dc = *lw::ToDC(canvas.dc());
  RECT box;
  EXPECT_EQ(GetClipBox(canvas.dc(), &box), SIMPLEREGION);
  EXPECT_TRUE(box.left == 0 && box.top == 0 && box.right == 20 && box.bottom == 20);

  dc.origin = {5, 6};
  dc.clip = lw::Region(RECT{5, 6, 15, 10});
  dc.clip.Union(RECT{5, 12, 8, 14});
  EXPECT_EQ(GetClipBox(canvas.dc(), &box), COMPLEXREGION);
  EXPECT_TRUE(box.left == 0 && box.top == 0 && box.right == 10 && box.bottom == 8);

  dc.clip = lw::Region();
  EXPECT_EQ(GetClipBox(canvas.dc(), &box), NULLREGION);
  dc.origin = {0, 0};
  dc.clip = lw::Region(RECT{0, 0, 20, 20});
}

}  // namespace
