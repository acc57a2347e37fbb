// Tests link this definition of CurrentEdition() in place of a build's
// fixed choice, so one test program can check all three editions.
#pragma once

#include "editions/Edition.h"

// Makes `edition` current for its lifetime; the previous one returns after.
class ScopedEdition {
 public:
  explicit ScopedEdition(EditionId edition);
  ~ScopedEdition();
  ScopedEdition(const ScopedEdition&) = delete;
  ScopedEdition& operator=(const ScopedEdition&) = delete;

 private:
  EditionId previous_;
};

inline constexpr EditionId kAllEditions[] = {
    EditionId::TraditionalChinese, EditionId::SimplifiedChinese, EditionId::Hungarian};
