#include "skin/SkinListCtrl.h"

#include "skin/Subclass.h"

#include <commctrl.h>

namespace {


}  // namespace

CSkinListCtrl::~CSkinListCtrl() {
  Unsubclass<CSkinListCtrl, 11>(window_);
}

bool CSkinListCtrl::Attach(HWND dialog, int id) {
  window_ = GetDlgItem(dialog, id);
  if (window_ == nullptr) return false;
  SendMessageW(window_, LVM_SETBKCOLOR, 0, kBackground);
  SendMessageW(window_, LVM_SETTEXTBKCOLOR, 0, kBackground);
  SendMessageW(window_, LVM_SETTEXTCOLOR, 0, kText);
  header_.Attach(reinterpret_cast<HWND>(SendMessageW(window_, LVM_GETHEADER, 0, 0)), kBackground);
  parent_.Install(GetParent(window_), [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
    return FromParent(m, w, l, r);
  });
  if (!Subclass<CSkinListCtrl, 11>(window_, this)) {
    return false;
  }
  return MakeBar(GetParent(window_));
}

bool CSkinListCtrl::MakeBar(HWND parent) {
  RECT rect;
  GetWindowRect(window_, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  const int width = rect.right - rect.left - CSkinVerticleScrollbar::kWidth;
  SetWindowPos(window_, nullptr, 0, 0, width, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  HWND bar = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY,
                             rect.left + width, rect.top, CSkinVerticleScrollbar::kWidth,
                             rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!bar_.Attach(bar, window_)) return false;
  bar_.UpdateThumbPosition();
  return true;
}

// Selection changes made only so the row draws in our colours are not
// news to the owner.
void CSkinListCtrl::SetSelected(int row, bool selected) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  restyling_ = true;
  SendMessageW(window_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  restyling_ = false;
}

LRESULT CSkinListCtrl::CustomDraw(NMLVCUSTOMDRAW& draw) {
  const int row = static_cast<int>(draw.nmcd.dwItemSpec);
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const bool selected = SendMessageW(window_, LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0;
      draw.clrText = selected ? kSelectedText : kText;
      draw.clrTextBk = selected ? kSelectedBackground : kBackground;
      if (!selected) return CDRF_DODEFAULT;
      // The system draws its highlight from the row's state, or (some
      // versions) from the state handed to us here: both are cleared.
      SetSelected(row, false);
      draw.nmcd.uItemState &= ~CDIS_SELECTED;
      return CDRF_NOTIFYPOSTPAINT;
    }
    case CDDS_ITEMPOSTPAINT:
      SetSelected(row, true);
      return CDRF_DODEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

bool CSkinListCtrl::FromParent(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->hwndFrom != window_) return false;
  if (header->code == NM_CUSTOMDRAW) {
    result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
    return true;
  }
  const bool selectionNews = header->code == LVN_ITEMCHANGING || header->code == LVN_ITEMCHANGED;
  result = 0;
  return restyling_ && selectionNews;
}

// The wheel moves one row at a time, whatever the system's wheel setting.
void CSkinListCtrl::ScrollOneRow(bool up) {
  const int top = static_cast<int>(SendMessageW(window_, LVM_GETTOPINDEX, 0, 0));
  const int shown = static_cast<int>(SendMessageW(window_, LVM_GETCOUNTPERPAGE, 0, 0));
  const int count = static_cast<int>(SendMessageW(window_, LVM_GETITEMCOUNT, 0, 0));
  const int row = up ? top - 1 : top + shown;
  if (row >= 0 && row < count) SendMessageW(window_, LVM_ENSUREVISIBLE, row, FALSE);
  bar_.UpdateThumbPosition();
}

LRESULT CSkinListCtrl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEWHEEL:
      ScrollOneRow(GET_WHEEL_DELTA_WPARAM(wParam) > 0);
      return 0;
    case WM_PAINT:  // rows added or removed move the thumb too
    case WM_KEYDOWN:
    case WM_KEYUP: {
      const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
      bar_.UpdateThumbPosition();
      return result;
    }
    default:
      return DefSubclassProc(window_, message, wParam, lParam);
  }
}
