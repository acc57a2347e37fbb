// Loading the program's pictures and turning their shape into a region.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "skin/GdiObject.h"

CBitmap LoadPicture(int id);
SIZE PictureSize(HBITMAP picture);
// Stretches the whole picture over (x, y, width, height) of `dc`, through
// the memory context `scratch`; a missing picture draws nothing.
void StretchPicture(HDC dc, HDC scratch, HBITMAP picture, int x, int y, int width, int height);
// Top-down 0x00RRGGBB pixels of the picture; empty when it cannot be read.
std::vector<std::uint32_t> PicturePixels(HBITMAP picture, SIZE size);
// The region of every pixel that is not the outside grey; empty (no
// region) when the picture is missing.
CRegion RegionFromPicture(int id);
