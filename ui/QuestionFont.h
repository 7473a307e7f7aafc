#pragma once

// The question's font, which the window and the page both show; the number's is the same
// without the underline. Without Windows' headers, so that the site's build reads it too.
inline constexpr char kQuestionFace[] = "Times New Roman";
constexpr int kFontHeight = 20;
