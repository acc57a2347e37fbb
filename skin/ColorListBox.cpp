#include "skin/ColorListBox.h"

#include "skin/Subclass.h"

#include <commctrl.h>

#include <string>

namespace {

constexpr int kTextIndent = 4;

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

std::wstring ItemText(HWND list, UINT item) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, item, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

}  // namespace

CColorListBox::~CColorListBox() {
  Unsubclass<CColorListBox, 7>(window_);
}

bool CColorListBox::Attach(HWND dialog, int id) {
  window_ = GetDlgItem(dialog, id);
  if (window_ == nullptr) return false;
  parent_.Install(GetParent(window_), [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
    return FromParent(m, w, l, r);
  });
  return Subclass<CColorListBox, 7>(window_, this);
}

void CColorListBox::SetColours(COLORREF text, COLORREF background, COLORREF selectedText,
                               COLORREF selectedBackground) {
  text_ = text;
  background_ = background;
  selectedText_ = selectedText;
  selectedBackground_ = selectedBackground;
  if (window_ != nullptr) InvalidateRect(window_, nullptr, TRUE);
}

void CColorListBox::FillBackground(HDC dc, const RECT& rect) { Fill(dc, rect, background_); }

void CColorListBox::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  if (selected) {
    Fill(item.hDC, item.rcItem, selectedBackground_);
  } else {
    FillBackground(item.hDC, item.rcItem);
  }
  const std::wstring text = ItemText(window_, item.itemID);
  RECT box = item.rcItem;
  box.left += kTextIndent;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, selected ? selectedText_ : text_);
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &box,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

bool CColorListBox::FromParent(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_DRAWITEM) return false;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item->hwndItem != window_) return false;
  DrawItem(*item);
  result = TRUE;
  return true;
}

// Scrolled with drawing held back and then drawn once, so the list does
// not show each row's move on its way.
LRESULT CColorListBox::ScrollByWheel(WPARAM wParam, LPARAM lParam) {
  SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  const LRESULT result = DefSubclassProc(window_, WM_MOUSEWHEEL, wParam, lParam);
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  return result;
}

LRESULT CColorListBox::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEWHEEL:
      return ScrollByWheel(wParam, lParam);
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(window_, &rect);
      FillBackground(reinterpret_cast<HDC>(wParam), rect);
      return 1;
    }
    default:
      return DefSubclassProc(window_, message, wParam, lParam);
  }
}
