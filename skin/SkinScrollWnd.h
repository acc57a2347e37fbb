// Gives a list box of a template skinned scroll bars. A frame window of
// class "ScrollBarFrame" takes the list box's place and id; inside it a
// "limitation" window (id 7000) shows the list box without the strip where
// its own scroll bars are, and two CSkinScrollBar controls (7001 vertical,
// 7002 horizontal) stand in for them. Every half second, and after every
// scroll, the bars take over the list box's range, page and position.
//
// The dialog keeps talking to the list through its id: list-box messages
// sent to the frame reach the list box, and the list box's notifications
// and owner-draw requests reach the dialog as before.
#pragma once

#include <windows.h>

#include "skin/GdiObject.h"
#include "skin/SkinScrollBar.h"

class CSkinScrollWnd {
 public:
  static constexpr int kLimitationId = 7000;
  static constexpr int kVerticalId = 7001;
  static constexpr int kHorizontalId = 7002;

  CSkinScrollWnd() = default;
  ~CSkinScrollWnd();
  CSkinScrollWnd(const CSkinScrollWnd&) = delete;
  CSkinScrollWnd& operator=(const CSkinScrollWnd&) = delete;

  // Wraps the list box `id` of `dialog`, drawing the bars from `pictureId`.
  bool Attach(int pictureId, HWND dialog, int id);
  // Brings the bars in line with the list box now.
  void Sync();

  HWND Window() const { return frame_; }
  HWND List() const { return list_; }
  CSkinScrollBar& Vertical() { return vertical_; }
  CSkinScrollBar& Horizontal() { return horizontal_; }

  // For the list box's window procedure.
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Detach() { list_ = nullptr; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT FrameMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool MakeWindows(HWND dialog, int id, const RECT& place);
  void Layout();
  bool FollowList(CSkinScrollBar& bar, int which);

  HWND frame_ = nullptr;
  HWND limitation_ = nullptr;
  HWND list_ = nullptr;
  CBitmap strips_;
  CSkinScrollBar vertical_;
  CSkinScrollBar horizontal_;
};
