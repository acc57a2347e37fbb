// Shows a message of the message table: a standard stop-icon box, topmost,
// with the program's caption; the text is followed directly by the suffix.
#pragma once

#include <string>

class MessagePort {
 public:
  virtual ~MessagePort() = default;
  virtual void ShowMessage(int number, const std::wstring& suffix) = 0;
};
