// One program's main form with its own virtual mouse on a virtual clock,
// the ports it needs as fakes, and the test view driving its timers.
#pragma once

#include <cstdint>
#include <vector>

#include "app/MainForm.h"
#include "app/MemorySettingsStore.h"
#include "config/ProfileFile.h"
#include "sim/VirtualHidBackend.h"
#include "tests/app/FakeFileSystem.h"
#include "tests/app/FakeProfileLooksView.h"
#include "tests/app/FakeShell.h"
#include "tests/support/TestFormView.h"

struct FormRig {
  VirtualClock clock;
  VirtualHidBackend hid{clock};
  VirtualMirel& mouse = hid.AddMouse();
  CMemorySettingsStore settings;
  FakeFileSystem files;
  FakeShell shell;
  FakeProfileLooksView looks;
  TestFormView view{clock};
  CMainForm form{{hid, clock, settings, files, shell, view, looks, 1}};

  FormRig() {
    view.onTimer = [this](int id) { form.OnTimer(id); };
    view.onTextChange = [this](int id) { form.OnSensitivityEdit(id); };
  }
  // Opens the form, runs the whole load and shows `profile`.
  void Load(int profile) {
    form.OnInitDialog();
    view.RunTransfers();
    form.SelectProfile(profile, true);
    mouse.ClearLog();
  }
  // The profile file of `profile` from the form's cache.
  std::vector<std::uint8_t> FileOf(int profile) {
    return *WriteProfileFileBytes(profile, [this](int reg) {
      return static_cast<std::uint8_t>(form.Protocol().Entry(reg).value);
    });
  }
};
