// A stand-in "hid.dll" placed beside a test program: the HID backend must
// never load it, since it searches the system directory only.
extern "C" __declspec(dllexport) int PlantedLibraryMarker() { return 1; }
