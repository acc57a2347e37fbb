#include "skin/HoverButtonEx3.h"

#include "skin/ButtonStates.h"

namespace {

constexpr int kPatchWidth = CHoverButtonEx3::kPatchRect.right - CHoverButtonEx3::kPatchRect.left;
constexpr int kPatchHeight = CHoverButtonEx3::kPatchRect.bottom - CHoverButtonEx3::kPatchRect.top;

void BlitPatch(HDC to, HDC from) {
  const RECT& p = CHoverButtonEx3::kPatchRect;
  BitBlt(to, p.left, p.top, kPatchWidth, kPatchHeight, from, p.left, p.top, SRCCOPY);
}

}  // namespace

void CHoverButtonEx3::SetSelected(bool selected) {
  selected_ = selected;
  if (Window() != nullptr) InvalidateRect(Window(), nullptr, FALSE);
}

int CHoverButtonEx3::StateImage() const {
  return ProfileTabState(Pressed(), Hover(), selected_, IsWindowEnabled(Window()) != FALSE);
}

COLORREF CHoverButtonEx3::CaptionColour() const {
  if (!Active()) return CHoverButtonEx2::CaptionColour();
  return selected_ ? CHoverButtonEx2::CaptionColour() : unselectedColour_;
}

void CHoverButtonEx3::Draw(HDC dc, const RECT& rect, int state) {
  CHoverButtonEx2::Draw(dc, rect, state);
  patch_.Drew(state == kStatePressed);
}

void CHoverButtonEx3::OnMouseLeft() { patch_.Leave(); }

// The copy is created on first use, the size of a whole tab.
void CHoverButtonEx3::CopyPatch(HDC screen) {
  if (!copy_) copy_.Reset(CreateCompatibleBitmap(screen, kCopySize.cx, kCopySize.cy));
  CMemoryDC memory(screen, copy_.Get());
  BlitPatch(memory.Get(), screen);
}

void CHoverButtonEx3::PutBackPatch(HDC screen) {
  if (!copy_) return;
  CMemoryDC memory(screen, copy_.Get());
  BlitPatch(screen, memory.Get());
}

void CHoverButtonEx3::PaintInto(HDC screen, const RECT& rect) {
  const SPatchStart start = patch_.Begin(Hover());
  if (start.copy) CopyPatch(screen);
  const int saved = SaveDC(screen);
  if (start.exclude) {
    const RECT& p = kPatchRect;
    ExcludeClipRect(screen, p.left, p.top, p.right, p.bottom);
  }
  CHoverButtonEx2::PaintInto(screen, rect);
  RestoreDC(screen, saved);
  if (patch_.End()) PutBackPatch(screen);
}
