// Compiled once per edition with MIREL_EDITION set to that edition's
// EditionId enumerator name; the only place the build's choice enters code.
#include "editions/Edition.h"

EditionId CurrentEdition() { return EditionId::MIREL_EDITION; }
