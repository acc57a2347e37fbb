#include "device/HidLibrariesWin32.h"

namespace {

// Only the system directory is searched, so a "hid.dll" planted beside the
// program or in the current directory is never loaded in place of the
// system's.
HMODULE LoadSystemLibrary(const wchar_t* name) {
  return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

template <class Function>
bool LookUp(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return function != nullptr;
}

}  // namespace

HidLibrariesWin32::HidLibrariesWin32() { Load(); }

HidLibrariesWin32::~HidLibrariesWin32() { Release(); }

bool HidLibrariesWin32::Load() {
  if (Loaded()) return true;
  HMODULE hid = LoadSystemLibrary(L"hid.dll");
  HMODULE setup = LoadSystemLibrary(L"setupapi.dll");
  if (hid != nullptr && setup != nullptr && LookUpAll(hid, setup)) {
    hid_ = hid;
    setup_ = setup;
    return true;
  }
  if (hid != nullptr) FreeLibrary(hid);
  if (setup != nullptr) FreeLibrary(setup);
  Release();
  return false;
}

bool HidLibrariesWin32::LookUpAll(HMODULE hid, HMODULE setup) {
  return LookUp(setup, "SetupDiGetClassDevsW", fn.GetClassDevs) &&
         LookUp(setup, "SetupDiEnumDeviceInterfaces", fn.EnumDeviceInterfaces) &&
         LookUp(setup, "SetupDiGetDeviceInterfaceDetailW", fn.GetDeviceInterfaceDetail) &&
         LookUp(setup, "SetupDiDestroyDeviceInfoList", fn.DestroyDeviceInfoList) &&
         LookUp(hid, "HidD_GetHidGuid", fn.GetHidGuid) &&
         LookUp(hid, "HidD_GetAttributes", fn.GetAttributes) &&
         LookUp(hid, "HidD_GetProductString", fn.GetProductString) &&
         LookUp(hid, "HidD_GetManufacturerString", fn.GetManufacturerString) &&
         LookUp(hid, "HidD_SetFeature", fn.SetFeature) && LookUp(hid, "HidD_GetFeature", fn.GetFeature);
}

void HidLibrariesWin32::Release() {
  if (hid_ != nullptr) FreeLibrary(hid_);
  if (setup_ != nullptr) FreeLibrary(setup_);
  hid_ = setup_ = nullptr;
  fn = {};
}
