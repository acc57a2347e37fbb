// Lets a control answer messages that the system sends to its parent
// about it (owner drawing, custom drawing, notifications): the control
// subclasses its parent and sees each message first.
#pragma once

#include <windows.h>

#include <functional>

class CParentHook {
 public:
  // Answers true with `result` set when the message was handled.
  using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  CParentHook() = default;
  ~CParentHook() { Remove(); }
  CParentHook(const CParentHook&) = delete;
  CParentHook& operator=(const CParentHook&) = delete;

  bool Install(HWND parent, Handler handler);
  void Remove();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);

  HWND parent_ = nullptr;
  Handler handler_;
};
