#include "tests/support/TestEdition.h"

namespace {
EditionId g_current = EditionId::TraditionalChinese;
}

EditionId CurrentEdition() { return g_current; }

ScopedEdition::ScopedEdition(EditionId edition) : previous_(g_current) { g_current = edition; }

ScopedEdition::~ScopedEdition() { g_current = previous_; }
