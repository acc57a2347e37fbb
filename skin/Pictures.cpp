#include "skin/Pictures.h"

#include <algorithm>

#include "skin/RegionRuns.h"

namespace {

// Regions are built in blocks, each one call of ExtCreateRegion.
constexpr std::size_t kRectsPerBlock = 3000;

CRegion RegionFromRuns(const std::vector<SRun>& runs, std::size_t from, std::size_t count) {
  std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  auto* rects = reinterpret_cast<RECT*>(data->Buffer);
  for (std::size_t n = 0; n < count; ++n) {
    const SRun& run = runs[from + n];
    rects[n] = RECT{run.left, run.y, run.right, run.y + 1};
    bounds.left = std::min<LONG>(bounds.left, run.left);
    bounds.top = std::min<LONG>(bounds.top, run.y);
    bounds.right = std::max<LONG>(bounds.right, run.right);
    bounds.bottom = std::max<LONG>(bounds.bottom, run.y + 1);
  }
  data->rdh.rcBound = bounds;
  return CRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}

}  // namespace

CBitmap LoadPicture(int id) {
  return CBitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

SIZE PictureSize(HBITMAP picture) {
  BITMAP info{};
  if (picture == nullptr || GetObjectW(picture, sizeof(info), &info) == 0) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

void StretchPicture(HDC dc, HDC scratch, HBITMAP picture, int x, int y, int width, int height) {
  if (picture == nullptr) return;
  HGDIOBJ old = SelectObject(scratch, picture);
  const SIZE size = PictureSize(picture);
  StretchBlt(dc, x, y, width, height, scratch, 0, 0, size.cx, size.cy, SRCCOPY);
  SelectObject(scratch, old);
}

std::vector<std::uint32_t> PicturePixels(HBITMAP picture, SIZE size) {
  if (picture == nullptr || size.cx <= 0 || size.cy <= 0) return {};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) * size.cy);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, picture, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != size.cy) return {};
  return pixels;
}

CRegion RegionFromPicture(int id) {
  CBitmap picture = LoadPicture(id);
  const SIZE size = PictureSize(picture.Get());
  const std::vector<std::uint32_t> pixels = PicturePixels(picture.Get(), size);
  if (pixels.empty()) return CRegion();
  const std::vector<SRun> runs = InsideRuns(pixels.data(), size.cx, size.cy);
  CRegion result(CreateRectRgn(0, 0, 0, 0));
  for (std::size_t from = 0; from < runs.size(); from += kRectsPerBlock) {
    CRegion part = RegionFromRuns(runs, from, std::min(kRectsPerBlock, runs.size() - from));
    CombineRgn(result.Get(), result.Get(), part.Get(), RGN_OR);
  }
  return result;
}
