// A 400 × 300 picture file in a 100 × 100 preview, decoded by GDI+ under
// Wine, in each scaling mode. The picture is green with a red band on its
// left 50 columns and a blue band on its right 50.
#include <gtest/gtest.h>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <vector>

#include "skin/ImagePreviewStatic.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

bool WriteBandedBmp(const wchar_t* path) {
  const int width = 400, height = 300, stride = width * 3;
  std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = x < 50 ? kRed : x >= 350 ? kBlue : kGreen;
      unsigned char* p = &pixels[y * stride + x * 3];
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  }
  BITMAPINFOHEADER info{sizeof(info), width, height, 1, 24, BI_RGB};
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(file) + sizeof(info) + pixels.size()), 0,
                        0, sizeof(file) + sizeof(info)};
  FILE* out = _wfopen(path, L"wb");
  if (out == nullptr) return false;
  fwrite(&file, sizeof(file), 1, out);
  fwrite(&info, sizeof(info), 1, out);
  fwrite(pixels.data(), 1, pixels.size(), out);
  return fclose(out) == 0;
}

// Draws the preview into a black 100 × 100 surface and reads pixels back.
class Surface {
 public:
  explicit Surface(const CImagePreviewStatic& preview) {
    screen_ = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen_);
    bitmap_ = CreateCompatibleBitmap(screen_, 100, 100);
    old_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, 100, 100};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    preview.Draw(dc_, all);
  }
  ~Surface() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    ReleaseDC(nullptr, screen_);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC screen_, dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

class ImagePreviewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    ASSERT_TRUE(WriteBandedBmp(L"banded-400x300.bmp"));
  }
  static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }
  static inline ULONG_PTR token_ = 0;
};

TEST_F(ImagePreviewTest, ThreeModesPlaceThePictureAsTheyShould) {
  struct Probe { int x, y; COLORREF colour; };
  struct Case { PreviewMode mode; std::vector<Probe> probes; };
  const Case cases[] = {
      {PreviewMode::Stretch, {{5, 50, kRed}, {95, 50, kBlue}, {50, 3, kGreen}, {50, 96, kGreen}}},
      {PreviewMode::Fit, {{5, 50, kRed}, {95, 50, kBlue}, {50, 5, 0}, {50, 94, 0}, {50, 20, kGreen}}},
      {PreviewMode::FillCrop, {{3, 50, kGreen}, {96, 50, kGreen}, {50, 3, kGreen}}},
  };
  CImagePreviewStatic preview;
  ASSERT_TRUE(preview.SetFilename(L"banded-400x300.bmp"));
  for (const Case& c : cases) {
    preview.SetMode(c.mode);
    const Surface surface(preview);
    for (const Probe& p : c.probes) {
      EXPECT_EQ(surface.At(p.x, p.y), p.colour)
          << "mode " << static_cast<int>(c.mode) << " at " << p.x << "," << p.y;
    }
  }
}

TEST_F(ImagePreviewTest, UnreadableFileLeavesThePreviewEmpty) {
  FILE* out = _wfopen(L"not-a-picture.png", L"wb");
  ASSERT_NE(out, nullptr);
  fputs("mT\x01 not a picture", out);
  fclose(out);
  CImagePreviewStatic preview;
  EXPECT_FALSE(preview.SetFilename(L"not-a-picture.png"));
  EXPECT_FALSE(preview.SetFilename(L"missing.png"));
  EXPECT_FALSE(preview.SetFilename(std::wstring(300, L'a')));
  EXPECT_FALSE(preview.HasPicture());
  const Surface surface(preview);
  EXPECT_EQ(surface.At(50, 50), 0u);
}

}  // namespace
