// The single-instance rule: a named mutex created with initial ownership.
// The first copy of the program owns it until its main form is destroyed;
// a later copy sees that it already existed.
#pragma once

#include <windows.h>

class CInstanceMutex {
 public:
  CInstanceMutex();
  ~CInstanceMutex();
  CInstanceMutex(const CInstanceMutex&) = delete;
  CInstanceMutex& operator=(const CInstanceMutex&) = delete;

  bool AlreadyRunning() const { return alreadyRunning_; }

 private:
  HANDLE mutex_;
  bool alreadyRunning_;
};
