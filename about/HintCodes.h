#pragma once

#include "engine/TriviaGame.h"
#include "framework/CString.h"

// The About box's hidden codes, typed blind: the same rules in every front end.

// Where the About box was opened from: the menu item sounds sure, the window menu cautious,
// and only the window menu's About opens the secret door.
enum class AboutOpener { Menu, WindowMenu };

// What the typed text asks for, judged at every change of it.
enum class CodeVerdict { Keep, ShowHint, Clear };

constexpr int kCodeLength = 4;  // a longer typed text is cleared

extern const char kHintCaption[];
extern const char kSecretDoorText[];
extern const char kSecretDoorCaption[];

// The letter of the right answer to the pending question, or '?' when none is pending.
char HintLetter(const CTriviaGame& game);

// The sentence that the hint code shows, in the opener's wording.
CString HintSentence(const CTriviaGame& game, AboutOpener opener);

// The hint code shows the hint and is cleared; a text longer than a code is cleared.
CodeVerdict JudgeTypedCode(const char* typed);

// Whether the text left typed when the About box closed opens the secret door.
bool OpensSecretDoor(AboutOpener opener, const char* typed);
