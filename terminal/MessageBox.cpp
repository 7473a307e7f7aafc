#include "terminal/MessageBox.h"

#include <algorithm>
#include <utility>

#include "terminal/TextLayout.h"

namespace {

const wchar_t kStopMark[] = L"(X)";
const wchar_t kOkButton[] = L"[  OK  ]";
constexpr int kStopMarkWidth = 3;
constexpr int kOkWidth = 8;
constexpr int kMargin = 2;      // blank cells between the frame and the text
constexpr int kTextWidth = 56;  // longer texts wrap
constexpr int kLeastWidth = 24;
static_assert(kTextWidth + kStopMarkWidth + 3 * kMargin + 2 <= kScreenColumns, "a box fits the screen");

// Where a box of the width stands centred over the area, or over the screen if it is too narrow.
int CentredColumn(int columns, const Rect& area) {
    return columns <= area.columns ? area.x + (area.columns - columns) / 2 : (kScreenColumns - columns) / 2;
}

}  // namespace

BoxLayout LayOutBox(const std::wstring& text, const std::wstring& caption, BoxIcon icon, const Rect& area) {
    BoxLayout layout;
    layout.lines = WrapWords(text, kTextWidth);
    int textWidth = 0;
    for (const std::wstring& line : layout.lines) {
        textWidth = std::max(textWidth, CellWidth(line));
    }
    const int markWidth = icon == BoxIcon::Stop ? kStopMarkWidth + kMargin : 0;
    const int inner = std::max({kLeastWidth, markWidth + textWidth + 2 * kMargin, CellWidth(caption) + kMargin});
    const int columns = std::min(inner + 2, kScreenColumns);
    const int lines = static_cast<int>(layout.lines.size()) + 5;  // caption, blank, text, blank, OK, frame
    layout.box = {(kScreenLines - lines) / 2, CentredColumn(columns, area), lines, columns};
    layout.textRow = layout.box.y + 2;
    const int contentColumn = layout.box.x + 1 + (inner - markWidth - textWidth) / 2;
    layout.stopMark = {layout.textRow, contentColumn, 1, icon == BoxIcon::Stop ? kStopMarkWidth : 0};
    layout.textColumn = contentColumn + markWidth;
    layout.okButton = {layout.box.y + lines - 2, layout.box.x + (columns - kOkWidth) / 2, 1, kOkWidth};
    return layout;
}

MessageBoxLayer::MessageBoxLayer(const std::wstring& caption, BoxLayout layout)
    : m_caption(caption), m_layout(std::move(layout)) {}

Target MessageBoxLayer::TargetAt(int y, int x) const {
    if (m_layout.okButton.Holds(y, x)) {
        return {Place::BoxOk};
    }
    return m_layout.box.Holds(y, x) ? Target{Place::Box} : Target{};
}

void MessageBoxLayer::Paint() {
    const Rect& box = m_layout.box;
    const Canvas canvas = AddPanel(box);
    canvas.Fill(box, Ink::Box);
    canvas.Frame(box, Ink::Box);
    canvas.PutText(box.y, box.x, L" " + m_caption, box.columns, Ink::Caption);
    if (m_layout.stopMark.columns > 0) {
        canvas.PutCharacters(m_layout.stopMark.y, m_layout.stopMark.x, kStopMark, Ink::Stop);
    }
    for (std::size_t i = 0; i < m_layout.lines.size(); ++i) {
        canvas.PutCharacters(m_layout.textRow + static_cast<int>(i), m_layout.textColumn, m_layout.lines[i], Ink::Box);
    }
    canvas.PutCharacters(m_layout.okButton.y, m_layout.okButton.x, kOkButton, Ink::Menu);
}
