#include "skin/SkinHeaderCtrl.h"

#include "skin/OffScreenPaint.h"
#include "skin/Subclass.h"

#include <commctrl.h>

#include "skin/Pictures.h"

namespace {

constexpr int kFillPicture = 407;
constexpr int kEndPicture = 408;
constexpr int kEdgePicture = 409;
constexpr int kPieceWidth = 4;
constexpr int kTextIndent = 8;

void Put(HDC dc, HDC pieces, HBITMAP picture, int x, int width) {
  StretchPicture(dc, pieces, picture, x, 0, width, CSkinHeaderCtrl::kHeight);
}

}  // namespace

CSkinHeaderCtrl::~CSkinHeaderCtrl() {
  Unsubclass<CSkinHeaderCtrl, 9>(window_);
}

bool CSkinHeaderCtrl::Attach(HWND header, COLORREF background) {
  window_ = header;
  background_ = background;
  fill_ = LoadPicture(kFillPicture);
  end_ = LoadPicture(kEndPicture);
  edge_ = LoadPicture(kEdgePicture);
  return Subclass<CSkinHeaderCtrl, 9>(window_, this);
}

// The list asks its header how tall it is; the pictures are 18 pixels.
LRESULT CSkinHeaderCtrl::Layout(LPARAM lParam) {
  const LRESULT result = DefSubclassProc(window_, HDM_LAYOUT, 0, lParam);
  auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
  layout->pwpos->cy = kHeight;
  layout->prc->top = layout->pwpos->y + kHeight;
  return result;
}

void CSkinHeaderCtrl::DrawColumn(HDC dc, HDC pieces, int column) {
  RECT rect;
  if (!SendMessageW(window_, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&rect))) return;
  if (column == 0) Put(dc, pieces, end_.Get(), rect.left, kPieceWidth);
  Put(dc, pieces, edge_.Get(), rect.right - kPieceWidth, kPieceWidth);
  wchar_t text[128] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(std::size(text));
  SendMessageW(window_, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
  rect.left += kTextIndent;
  rect.right -= kPieceWidth;
  DrawTextW(dc, text, -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void CSkinHeaderCtrl::Paint() {
  PaintOffScreen(window_, [this](HDC dc, const RECT& rect) {
    CMemoryDC pieces(dc, nullptr);
    CBrush brush(CreateSolidBrush(background_));
    FillRect(dc, &rect, brush.Get());
    Put(dc, pieces.Get(), fill_.Get(), 0, rect.right);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    const int columns = static_cast<int>(SendMessageW(window_, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < columns; ++column) DrawColumn(dc, pieces.Get(), column);
    SelectObject(dc, oldFont);
  });
}

LRESULT CSkinHeaderCtrl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case HDM_LAYOUT:
      return Layout(lParam);
    default:
      return DefSubclassProc(window_, message, wParam, lParam);
  }
}
