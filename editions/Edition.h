// The edition of the running program and the lookup of its texts.
//
// Each executable is built for exactly one edition: the build links one
// definition of CurrentEdition() (CurrentEdition.cpp compiled with that
// edition's id). This header is the one place code learns its edition;
// logic never tests an edition macro.
#pragma once

#include "editions/EditionTexts.h"

enum class EditionId { TraditionalChinese, SimplifiedChinese, Hungarian };

const EditionTexts& TextsOf(EditionId edition);

// The edition this program was built as.
EditionId CurrentEdition();

// The current edition's text for an id; never null.
const wchar_t* Text(TextId id);

// The current edition's text of message `number`; null for numbers outside
// the table (negative, or 56 and above).
const wchar_t* MessageText(int number);

// The current edition's base name of a command row's opcode (0..255); empty
// for opcodes without one and for values outside a byte.
const wchar_t* OpcodeName(int opcode);
