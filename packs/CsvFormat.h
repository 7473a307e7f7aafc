#pragma once

#include "packs/PackLines.h"
#include "packs/WrittenQuestion.h"

// A spreadsheet's rows: the question, answers A to D, the right answer as a letter (A to D, in
// either case) or a number (1 to 4), and perhaps its level (Easy, Hard or Logic). Fields are
// quoted as RFC 4180 has it, with doubled quotes inside; a question is one line, so a quoted
// line break is an error. A first row whose right answer is none is a header. Empty fields
// after the last, as spreadsheets write them, do not count.
struct CsvShape {
    char delimiter = ',';
    bool header = false;  // found by the reader
};

void ReadCsv(PackLines& lines, PackReading& reading, CsvShape& shape);

// How many times the delimiter stands in the line outside quotes.
int CountDelimiters(std::string_view line, char delimiter);
