#pragma once

// What the About box shows, in every front end: Windows-1251 texts.

// The caption block: three centred lines naming the program and its version.
extern const char kCaptionBlock[];
// The rules, three lines joined by line feeds.
extern const char kRules[];
extern const char kThanks[];
// The links: each label shows exactly the address it stands for.
extern const char kWebAddress[];
extern const char kMailAddress[];
// What goes before the e-mail address when it is handed on to be opened.
extern const char kMailTo[];
