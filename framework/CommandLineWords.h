#pragma once

#include <string>

// A command line split into its words as Windows' programs split theirs: a space or a tab
// between words, quotes around a word that holds blanks, a backslash before a quote for a quote
// of the word's own.

// The line after the program's name and the blanks that follow it.
const wchar_t* AfterProgramName(const wchar_t* line);

// Reads the first word of the line into word; where the rest of the line begins, or null when
// no word is left. A pair of quotes alone is a word, an empty one.
const wchar_t* NextWord(const wchar_t* line, std::wstring& word);
