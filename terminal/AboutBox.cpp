#include "terminal/AboutBox.h"

#include <cwctype>

#include "about/AboutTexts.h"
#include "about/HintCodes.h"
#include "terminal/Charset.h"
#include "terminal/Frontend.h"
#include "terminal/Input.h"
#include "terminal/MessageBox.h"
#include "terminal/TextLayout.h"

namespace {

const wchar_t kWebLabel[] = L"web:";
const wchar_t kMailLabel[] = L"e-mail:";

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

class AboutLayer : public Layer {
    void Paint() override {
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
        canvas.PutCharacters(layout.webLink.y, box.x + kLabelColumn, kWebLabel, Ink::About);
        canvas.PutCharacters(layout.webLink.y, layout.webLink.x, ToWide(kWebAddress), Ink::Link);
        canvas.PutCharacters(layout.mailLink.y, box.x + kLabelColumn, kMailLabel, Ink::About);
        canvas.PutCharacters(layout.mailLink.y, layout.mailLink.x, ToWide(kMailAddress), Ink::Link);
        canvas.FrameDivider(box, box.y + kThanksRow - 1, Ink::About);
        PutCentredLines(canvas, box.y + kThanksRow, x, ToWide(kThanks), kThanksLines);
    }
};

// A key that goes into the hidden code: any printable character.
bool IsTyped(const Event& key) {
    return IsPlainKey(key) && std::iswprint(static_cast<wint_t>(key.key));
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

std::string RunAboutBox(Frontend& frontend, const std::wstring& hint) {
    const AboutLayout layout = LayOutAbout();
    AboutLayer layer;
    LayerShowing showing(frontend, layer);
    std::wstring typed;
    while (true) {
        const Event event = frontend.WaitForInput();
        if (event.kind == EventKind::Quit || IsEnter(event) || IsEscape(event)) {
            return ToCp1251(typed);
        }
        if (event.kind == EventKind::Mouse) {
            const bool onLink = layout.webLink.Holds(event.y, event.x) || layout.mailLink.Holds(event.y, event.x);
            if (event.mouse == MouseAction::Press && layout.box.Holds(event.y, event.x) && !onLink) {
                return ToCp1251(typed);
            }
            continue;
        }
        if (IsTyped(event)) {
            typed += static_cast<wchar_t>(event.key);
        } else if (IsDeletion(event) && !typed.empty()) {
            typed.pop_back();
        } else {
            continue;
        }
        switch (JudgeTypedCode(ToCp1251(typed).c_str())) {
            case CodeVerdict::ShowHint:
                typed.clear();
                RunMessageBox(frontend, hint, ToWide(kHintCaption), BoxIcon::None, kWholeScreen);
                break;
            case CodeVerdict::Clear: typed.clear(); break;
            case CodeVerdict::Keep: break;
        }
    }
}
