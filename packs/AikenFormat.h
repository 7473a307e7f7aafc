#pragma once

#include "packs/PackLines.h"
#include "packs/PackSyntax.h"
#include "packs/WrittenQuestion.h"

// Moodle's Aiken format, read as Moodle's importer reads it: a question on one line; its choices
// one a line, each a capital letter, ")" or "." and perhaps a space or tab before its text; then
// "ANSWER: X". Lines are trimmed, blank lines between questions are optional, and a line of
// less than two bytes is passed over. A line "[Easy]", "[Hard]" or "[Logic]" gives the questions
// after it to that level.
void ReadAiken(PackLines& lines, PackReading& reading);

// Whether a line, trimmed, is an Aiken choice: a capital letter and ")" or ".".
bool IsAikenChoice(Span line);
