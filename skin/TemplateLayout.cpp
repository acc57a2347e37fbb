#include "skin/TemplateLayout.h"

#include <optional>
#include <span>


namespace {

std::optional<SDialogTemplate> LoadTemplate(HMODULE module, int templateId) {
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
  if (resource == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return std::nullopt;
  return ParseDialogTemplate(
      std::span(static_cast<const std::uint8_t*>(data), SizeofResource(module, resource)));
}

HFONT CreateFontAt96Dpi(const SDialogFont& font) {
  return CreateFontW(FontHeightAt96Dpi(font.points), 0, 0, 0, font.weight, font.italic, FALSE,
                     FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     reinterpret_cast<const wchar_t*>(font.face.c_str()));
}

SDialogUnits Measure(HWND window, HFONT font) {
  static constexpr wchar_t kAlphabet[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, kAlphabet, 52, &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return {AverageCharWidth(size.cx), metrics.tmHeight};
}

void SetClientSize(HWND window, int width, int height) {
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                     GetMenu(window) != nullptr,
                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool CTemplateLayout::RelayoutAt96Dpi(HWND window, HMODULE module, int templateId) {
  const std::optional<SDialogTemplate> dialog = LoadTemplate(module, templateId);
  if (!dialog) return false;
  CFont font(CreateFontAt96Dpi(dialog->LayoutFont()));
  if (!font) return false;
  // A font that measures nothing would fold every control to a point.
  const SDialogUnits units = Measure(window, font.Get());
  if (units.charWidth <= 0 || units.charHeight <= 0) return false;
  Restore();
  font_ = std::move(font);
  SetClientSize(window, units.X(dialog->rect.cx), units.Y(dialog->rect.cy));
  PlaceControls(window, *dialog, units);
  return true;
}

void CTemplateLayout::PlaceControls(HWND window, const SDialogTemplate& dialog,
                                    const SDialogUnits& units) {
  // The dialog made its controls in template order, each after the one
  // before; a control whose id disagrees was not made from this item.
  HWND control = GetWindow(window, GW_CHILD);
  for (const SDialogItem& item : dialog.items) {
    if (control == nullptr) break;
    if (LOWORD(GetDlgCtrlID(control)) == LOWORD(item.id)) {
      const SDialogRect at = units.Pixels(item.rect);
      SetWindowPos(control, nullptr, at.x, at.y, at.cx, at.cy, SWP_NOZORDER | SWP_NOACTIVATE);
      previousFonts_.emplace_back(
          control, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    }
    control = GetWindow(control, GW_HWNDNEXT);
  }
}

void CTemplateLayout::Restore() {
  for (const auto& [control, previous] : previousFonts_) {
    if (IsWindow(control)) {
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(previous), FALSE);
    }
  }
  previousFonts_.clear();
  font_.Reset();
}
