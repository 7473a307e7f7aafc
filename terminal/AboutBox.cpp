#include "terminal/AboutBox.h"

#include "about/AboutTexts.h"
#include "play/Box.h"
#include "res/WindowTexts.h"
#include "terminal/Charset.h"
#include "terminal/TextLayout.h"

namespace {

constexpr int kInnerWidth = 72;
constexpr int kCaptionLines = 3;
constexpr int kRulesLines = 3;
constexpr int kThanksLines = 1;
constexpr int kLabelColumn = 4;  // from the frame
constexpr int kLinkColumn = 13;
// Frame, caption block, divider, rules, divider, two links, divider, thanks, frame.
constexpr int kAboutLines = 1 + kCaptionLines + 1 + kRulesLines + 1 + 2 + 1 + kThanksLines + 1;
static_assert(kAboutLines <= kScreenLines && kInnerWidth + 2 <= kScreenColumns, "the About box fits the screen");

constexpr int kCaptionRow = 1;
constexpr int kRulesRow = kCaptionRow + kCaptionLines + 1;
constexpr int kWebRow = kRulesRow + kRulesLines + 1;
constexpr int kMailRow = kWebRow + 1;
constexpr int kThanksRow = kMailRow + 2;

// Lines of a text, centred in the width, at most the count.
void PutCentredLines(const Canvas& canvas, int y, int x, const std::wstring& text, int count) {
    std::vector<std::wstring> lines = WrapWords(text, kInnerWidth);
    lines.resize(count);
    for (int i = 0; i < count; ++i) {
        canvas.PutText(y + i, x, lines[i], kInnerWidth, Ink::About, Align::Centre);
    }
}

}  // namespace

AboutLayout LayOutAbout() {
    const Rect box = {(kScreenLines - kAboutLines) / 2, (kScreenColumns - kInnerWidth - 2) / 2, kAboutLines,
                      kInnerWidth + 2};
    const int linkX = box.x + kLinkColumn;
    return {box,
            {box.y + kWebRow, linkX, 1, CellWidth(ToWide(kWebAddress))},
            {box.y + kMailRow, linkX, 1, CellWidth(ToWide(kMailAddress))}};
}

Target AboutLayer::TargetAt(int y, int x) const {
    const AboutLayout layout = LayOutAbout();
    if (layout.webLink.Holds(y, x)) {
        return {Place::Link, static_cast<int>(AboutLink::Web)};
    }
    if (layout.mailLink.Holds(y, x)) {
        return {Place::Link, static_cast<int>(AboutLink::Mail)};
    }
    return layout.box.Holds(y, x) ? Target{Place::Box} : Target{};
}

void AboutLayer::Paint() {
    const AboutLayout layout = LayOutAbout();
    const Rect& box = layout.box;
    const Canvas canvas = AddPanel(box);
    canvas.Fill(box, Ink::About);
    canvas.Frame(box, Ink::About);
    const int x = box.x + 1;
    PutCentredLines(canvas, box.y + kCaptionRow, x, ToWide(kCaptionBlock), kCaptionLines);
    canvas.FrameDivider(box, box.y + kRulesRow - 1, Ink::About);
    PutCentredLines(canvas, box.y + kRulesRow, x, ToWide(kRules), kRulesLines);
    canvas.FrameDivider(box, box.y + kWebRow - 1, Ink::About);
    canvas.PutCharacters(layout.webLink.y, box.x + kLabelColumn, ToWide(MENDO_WEB_LABEL), Ink::About);
    canvas.PutCharacters(layout.webLink.y, layout.webLink.x, ToWide(kWebAddress), Ink::Link);
    canvas.PutCharacters(layout.mailLink.y, box.x + kLabelColumn, ToWide(MENDO_MAIL_LABEL), Ink::About);
    canvas.PutCharacters(layout.mailLink.y, layout.mailLink.x, ToWide(kMailAddress), Ink::Link);
    canvas.FrameDivider(box, box.y + kThanksRow - 1, Ink::About);
    PutCentredLines(canvas, box.y + kThanksRow, x, ToWide(kThanks), kThanksLines);
}
