// The functions of hid.dll and setupapi.dll, loaded at run time from the
// system directory in one table, all or nothing: either every function is
// there or none is and both libraries are released again. The libraries
// stay loaded as long as the object lives.
#pragma once

#include <windows.h>
#include <setupapi.h>

// hidsdi.h of mingw-w64 has no C++ guard of its own.
extern "C" {
#include <hidsdi.h>
}

class HidLibrariesWin32 {
 public:
  HidLibrariesWin32();
  ~HidLibrariesWin32();
  HidLibrariesWin32(const HidLibrariesWin32&) = delete;
  HidLibrariesWin32& operator=(const HidLibrariesWin32&) = delete;

  // Loads both libraries and looks up every function; true when the table
  // is complete (at once when it already was).
  bool Load();
  bool Loaded() const { return hid_ != nullptr; }
  HMODULE HidModule() const { return hid_; }
  HMODULE SetupModule() const { return setup_; }

  struct Functions {
    decltype(&SetupDiGetClassDevsW) GetClassDevs = nullptr;
    decltype(&SetupDiEnumDeviceInterfaces) EnumDeviceInterfaces = nullptr;
    decltype(&SetupDiGetDeviceInterfaceDetailW) GetDeviceInterfaceDetail = nullptr;
    decltype(&SetupDiDestroyDeviceInfoList) DestroyDeviceInfoList = nullptr;
    decltype(&HidD_GetHidGuid) GetHidGuid = nullptr;
    decltype(&HidD_GetAttributes) GetAttributes = nullptr;
    decltype(&HidD_GetProductString) GetProductString = nullptr;
    decltype(&HidD_GetManufacturerString) GetManufacturerString = nullptr;
    decltype(&HidD_SetFeature) SetFeature = nullptr;
    decltype(&HidD_GetFeature) GetFeature = nullptr;
  };
  // Complete when Loaded(), all null otherwise.
  Functions fn;

 private:
  bool LookUpAll(HMODULE hid, HMODULE setup);
  void Release();

  HMODULE hid_ = nullptr;
  HMODULE setup_ = nullptr;
};
