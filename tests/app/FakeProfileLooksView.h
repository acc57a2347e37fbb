// Records what the profile looks ask of their window, one line each.
#pragma once

#include <string>
#include <vector>

#include "app/ProfileLooksView.h"

class FakeProfileLooksView : public CProfileLooksView {
 public:
  void SetTabCaption(int p, const std::wstring& name) override {
    Log(L"caption " + std::to_wstring(p) + L" " + name);
  }
  void SetTabPictures(int p, int normal, int hot) override {
    Log(L"pictures " + std::to_wstring(p) + L" " + std::to_wstring(normal) + L"/" +
        std::to_wstring(hot));
  }
  void ShowTabPreview(int p, const std::wstring& path) override {
    Log(L"preview " + std::to_wstring(p) + L" " + path);
  }
  void HideTabPreview(int p) override { Log(L"hide preview " + std::to_wstring(p)); }
  void ClearTabSelected(int p) override { Log(L"unselect " + std::to_wstring(p)); }
  void RepaintTab(int p) override { Log(L"repaint " + std::to_wstring(p)); }
  void ShowBigPreview(const std::wstring& path) override { Log(L"big " + path); }
  void ShowDefaultBigPicture(int picture) override { Log(L"big default " + std::to_wstring(picture)); }
  void DrawProfileName(bool show) override { Log(show ? L"draw name" : L"erase name"); }

  std::vector<std::wstring> events;

 private:
  void Log(std::wstring line) { events.push_back(std::move(line)); }
};
