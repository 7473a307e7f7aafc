#include "terminal/MessageBox.h"

#include <algorithm>
#include <utility>

#include "terminal/MainView.h"
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

// Whether the box covers a part of a label of the gauge's scale and leaves the rest beside it.
bool CutsALabel(const Rect& box) {
    for (const Rect& label : MainView::ScaleLabels()) {
        const bool besideRow = label.y >= box.y && label.y < box.y + box.lines;
        const bool touches = label.x < box.x + box.columns && box.x < label.x + label.columns;
        const bool covers = box.x <= label.x && label.x + label.columns <= box.x + box.columns;
        if (besideRow && touches && !covers) {
            return true;
        }
    }
    return false;
}

// The column between the first and the last nearest to their middle where the box cuts no
// label, -1 if there is none.
int ColumnAcross(Rect box, int first, int last) {
    const int middle = first + (last - first) / 2;
    for (int distance = 0; middle - distance >= first || middle + distance <= last; ++distance) {
        for (const int x : {middle - distance, middle + distance}) {
            box.x = x;
            if (x >= first && x <= last && !CutsALabel(box)) {
                return x;
            }
        }
    }
    return -1;
}

// Where a box stands across the area, or across the screen if it is too narrow or every place
// in it would cut a label.
int BoxColumn(const Rect& box, const Rect& area) {
    const int inArea =
        box.columns <= area.columns ? ColumnAcross(box, area.x, area.x + area.columns - box.columns) : -1;
    if (inArea >= 0) {
        return inArea;
    }
    const int onScreen = ColumnAcross(box, 0, kScreenColumns - box.columns);
    return onScreen >= 0 ? onScreen : (kScreenColumns - box.columns) / 2;
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
    layout.box = {(kScreenLines - lines) / 2, 0, lines, columns};
    layout.box.x = BoxColumn(layout.box, area);
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
