#include "app/InstanceMutexWin32.h"

#include "editions/CommonTexts.h"

CInstanceMutex::CInstanceMutex()
    : mutex_(CreateMutexW(nullptr, TRUE, kInstanceMutexName)),
      alreadyRunning_(GetLastError() == ERROR_ALREADY_EXISTS) {}

CInstanceMutex::~CInstanceMutex() {
  if (mutex_ == nullptr) return;
  if (!alreadyRunning_) ReleaseMutex(mutex_);
  CloseHandle(mutex_);
}
