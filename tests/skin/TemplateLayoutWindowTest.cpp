// Controls of both window families land on the pixels their template
// gives at 96 dpi, measured here with the font Wine actually has, and get
// their previous fonts back when the layout is undone. (At 96 dpi the
// dialog manager's own layout of a template with a font agrees; the
// template without one is where they part.)
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "skin/BaseDialog.h"
#include "skin/MessagePump.h"
#include "skin/SkinFrameDlg.h"
#include "skin/TemplateLayout.h"
#include "skin/TranslucentDlg.h"
#include "tests/support/WindowsTestSupportWin32.h"

namespace {

constexpr int kWithFont = 901;
constexpr int kWithoutFont = 902;

struct SUnitRect {
  int x, y, cx, cy;
};

struct STemplateCase {
  int id;
  const wchar_t* face;
  SUnitRect client;
  std::vector<SUnitRect> controls;
};

const STemplateCase kTemplates[] = {
    {kWithFont, L"Microsoft Sans Serif", {0, 0, 160, 90},
     {{7, 9, 40, 8}, {50, 7, 44, 14}, {97, 9, 20, 8}, {43, 66, 50, 14}}},
    {kWithoutFont, L"Tahoma", {0, 0, 120, 60}, {{50, 7, 44, 14}, {13, 36, 50, 14}}},
};

// Pixels per dialog unit as a 96 dpi screen gives them for an 8-point face.
struct SMeasured {
  double perX;
  double perY;
};

SMeasured MeasureFace(const wchar_t* face) {
  HFONT font = CreateFontW(-11, 0, 0, 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, face);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", 52, &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  const int charWidth = (size.cx / 26 + 1) / 2;
  return {charWidth / 4.0, metrics.tmHeight / 8.0};
}

RECT Expected(const SUnitRect& units, const SMeasured& m) {
  const auto px = [](int v, double per) { return static_cast<int>(v * per + 0.5); };
  const int x = px(units.x, m.perX);
  const int y = px(units.y, m.perY);
  return {x, y, x + px(units.cx, m.perX), y + px(units.cy, m.perY)};
}

RECT ClientRectOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::wstring FaceOf(HFONT font) {
  LOGFONTW log{};
  GetObjectW(font, sizeof log, &log);
  return log.lfFaceName;
}

void ExpectLaidOut(HWND window, const STemplateCase& c) {
  const SMeasured measured = MeasureFace(c.face);
  RECT client;
  GetClientRect(window, &client);
  const RECT size = Expected(c.client, measured);
  EXPECT_EQ(client.right, size.right);
  EXPECT_EQ(client.bottom, size.bottom);
  HWND control = GetWindow(window, GW_CHILD);
  for (const SUnitRect& units : c.controls) {
    ASSERT_NE(control, nullptr);
    const RECT want = Expected(units, measured);
    const RECT got = ClientRectOf(control);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.right, want.right);
    EXPECT_EQ(got.bottom, want.bottom);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW log{};
    ASSERT_NE(GetObjectW(font, sizeof log, &log), 0);
    EXPECT_EQ(log.lfHeight, -11);
    EXPECT_EQ(FaceOf(font), c.face);
    // Our own font, not the one the dialog manager made for the dialog.
    EXPECT_NE(SendMessageW(window, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
    control = GetWindow(control, GW_HWNDNEXT);
  }
}

void ExpectBothFamiliesLaidOut() {
  for (const STemplateCase& c : kTemplates) {
    SCOPED_TRACE(c.id);
    std::unique_ptr<CBaseDialog> windows[] = {std::make_unique<CSkinFrameDlg>(c.id, 0),
                                              std::make_unique<CTranslucentDlg>(c.id, false)};
    for (auto& dialog : windows) {
      ASSERT_TRUE(dialog->Create(nullptr));
      Pump(50);
      ExpectLaidOut(dialog->Window(), c);
    }
  }
}

TEST(TemplateLayoutWindowTest, BothWindowFamiliesLayTheirControlsOutAt96Dpi) {
  ExpectBothFamiliesLaidOut();
}

// The system's dpi as the next process to start takes it; the previous
// setting comes back on destruction.
class CScopedSystemDpi {
 public:
  explicit CScopedSystemDpi(DWORD dpi) {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr) != ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    DWORD size = sizeof previous_;
    hadValue_ = RegQueryValueExW(key_, kValue, nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(&previous_), &size) == ERROR_SUCCESS;
    set_ = RegSetValueExW(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                          sizeof dpi) == ERROR_SUCCESS;
  }
  ~CScopedSystemDpi() {
    if (key_ == nullptr) return;
    if (hadValue_) {
      RegSetValueExW(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous_),
                     sizeof previous_);
    } else {
      RegDeleteValueW(key_, kValue);
    }
    RegCloseKey(key_);
  }
  CScopedSystemDpi(const CScopedSystemDpi&) = delete;
  CScopedSystemDpi& operator=(const CScopedSystemDpi&) = delete;

  bool Set() const { return set_; }

 private:
  static constexpr const wchar_t* kValue = L"LogPixels";
  HKEY key_ = nullptr;
  DWORD previous_ = 0;
  bool hadValue_ = false;
  bool set_ = false;
};

constexpr const char* kDpiVariable = "MIREL_LAYOUT_DPI";

// Started by the 120 dpi test in a process of its own, since a process
// takes the system's dpi when it starts.
TEST(TemplateLayoutWindowTest, LaysOutInAProcessStartedAtAnotherDpi) {
  const char* dpi = std::getenv(kDpiVariable);
  if (dpi == nullptr) GTEST_SKIP() << "started by SameControlPixelsAt120Dpi";
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), std::atoi(dpi));
  ReleaseDC(nullptr, screen);
  ExpectBothFamiliesLaidOut();
}

TEST(TemplateLayoutWindowTest, SameControlPixelsAt120Dpi) {
  wchar_t self[MAX_PATH];
  ASSERT_NE(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  CScopedSystemDpi dpi(120);
  ASSERT_TRUE(dpi.Set());
  SetEnvironmentVariableA(kDpiVariable, "120");
  CTestProcess child(self, L"--gtest_filter=*LaysOutInAProcessStartedAtAnotherDpi");
  SetEnvironmentVariableA(kDpiVariable, nullptr);
  ASSERT_TRUE(child.Started());
  EXPECT_EQ(child.WaitForExit(std::chrono::seconds(60)), 0u);
}

TEST(TemplateLayoutWindowTest, UndoingTheLayoutGivesThePreviousFontsBack) {
  CBaseDialog dialog(kWithFont);
  ASSERT_TRUE(dialog.Create(nullptr));
  HWND field = dialog.Item(1697);
  const auto fontOf = [](HWND control) { return SendMessageW(control, WM_GETFONT, 0, 0); };
  const LRESULT previous = fontOf(field);
  {
    CTemplateLayout layout;
    ASSERT_TRUE(layout.RelayoutAt96Dpi(dialog.Window(), GetModuleHandleW(nullptr), kWithFont));
    EXPECT_EQ(fontOf(field), reinterpret_cast<LRESULT>(layout.Font()));
    layout.Restore();
    EXPECT_EQ(fontOf(field), previous);
    EXPECT_EQ(layout.Font(), nullptr);
    ASSERT_TRUE(layout.RelayoutAt96Dpi(dialog.Window(), GetModuleHandleW(nullptr), kWithFont));
  }
  EXPECT_EQ(fontOf(field), previous);
}

TEST(TemplateLayoutWindowTest, AMissingTemplateChangesNothing) {
  CBaseDialog dialog(kWithFont);
  ASSERT_TRUE(dialog.Create(nullptr));
  HWND field = dialog.Item(1697);
  const RECT before = ClientRectOf(field);
  CTemplateLayout layout;
  EXPECT_FALSE(layout.RelayoutAt96Dpi(dialog.Window(), GetModuleHandleW(nullptr), 999));
  const RECT after = ClientRectOf(field);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(layout.Font(), nullptr);
}

}  // namespace
