// Owners of GDI handles: each deletes what it owns once, and a memory
// device context puts back the object it replaced before it goes.
#pragma once

#include <windows.h>

#include <utility>

template <typename Handle>
class CGdiObject {
 public:
  CGdiObject() = default;
  explicit CGdiObject(Handle handle) : handle_(handle) {}
  ~CGdiObject() { Reset(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  CGdiObject(CGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  CGdiObject& operator=(CGdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }
  // Hands the handle over, e.g. to SetWindowRgn, which then owns it.
  Handle Release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

using CBitmap = CGdiObject<HBITMAP>;
using CBrush = CGdiObject<HBRUSH>;
using CFont = CGdiObject<HFONT>;
using CRegion = CGdiObject<HRGN>;

// A memory device context compatible with `like`, with `object` selected
// into it for its lifetime.
class CMemoryDC {
 public:
  CMemoryDC(HDC like, HGDIOBJ object) : dc_(CreateCompatibleDC(like)) {
    if (dc_ != nullptr && object != nullptr) old_ = SelectObject(dc_, object);
  }
  ~CMemoryDC() {
    if (dc_ == nullptr) return;
    if (old_ != nullptr) SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  CMemoryDC(const CMemoryDC&) = delete;
  CMemoryDC& operator=(const CMemoryDC&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};
