#include "app/FunctionListWin32.h"

#include <string>

namespace {

constexpr COLORREF kText = RGB(217, 218, 219);
constexpr COLORREF kBackground = RGB(52, 62, 64);
constexpr COLORREF kSelectedText = RGB(162, 188, 206);
constexpr COLORREF kSelectedBackground = RGB(10, 82, 126);

}  // namespace

bool CFunctionList::Attach(HWND dialog, int id) {
  window_ = GetDlgItem(dialog, id);
  if (window_ != nullptr) SendMessageW(window_, LB_SETITEMHEIGHT, 0, kItemHeight);
  return window_ != nullptr;
}

void CFunctionList::Draw(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HBRUSH fill = CreateSolidBrush(selected ? kSelectedBackground : kBackground);
  FillRect(item.hDC, &item.rcItem, fill);
  DeleteObject(fill);
  const auto length = SendMessageW(window_, LB_GETTEXTLEN, item.itemID, 0);
  if (length <= 0) return;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(window_, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  RECT rect = item.rcItem;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, selected ? kSelectedText : kText);
  DrawTextW(item.hDC, text.c_str(), -1, &rect,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}
