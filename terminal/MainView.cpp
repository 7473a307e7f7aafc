#include "terminal/MainView.h"

#include <iterator>
#include <string>
#include <vector>

#include "play/Look.h"
#include "res/WindowTexts.h"
#include "terminal/Charset.h"
#include "terminal/TextLayout.h"

namespace {

const wchar_t kKeys[] = L"A-D answer   1: -10   5: -50   Ctrl+E/H/L level   F10 menus   Ctrl+C quit";
constexpr wchar_t kIdleMarker[] = L"( )";
const wchar_t kPressedMarker[] = L"(*)";
constexpr wchar_t kWindowButton[] = L"[=]";
constexpr wchar_t kCloseButton[] = L"[x]";
constexpr wchar_t kRemoveButton[] = L" -10 ";
constexpr wchar_t kRevealButton[] = L" -50 ";

// The cells of a text of ASCII characters, as the buttons and markers are.
template <std::size_t N>
constexpr int Length(const wchar_t (&)[N]) {
    return static_cast<int>(N) - 1;
}

constexpr int kLeftEdge = 0;
constexpr int kTitleRow = 0;
constexpr int kMenuRow = 1;
constexpr int kKeysRow = kScreenLines - 1;
constexpr int kCloseButtonColumn = kScreenColumns - Length(kCloseButton);
constexpr int kFirstTitleColumn = 1;
// The title stands between the window's two buttons, a blank from each.
constexpr int kTitleWidth = kCloseButtonColumn - Length(kWindowButton) - 2;
const wchar_t kCutName[] = L"...";  // the end of a pack's name too long for the title

constexpr int kQuestionRow = 3;
constexpr int kQuestionColumn = 7;
constexpr int kQuestionWidth = 66;
constexpr int kQuestionLines = 3;
static_assert(kQuestionColumn + kQuestionWidth <= kScreenColumns, "the question fits the screen");
constexpr int kNumberRow = kQuestionRow;
constexpr int kNumberColumn = 2;
constexpr int kNumberWidth = 4;  // "25."
static_assert(kNumberColumn + kNumberWidth <= kQuestionColumn, "the number stands left of the question");

constexpr int kAnswerRows[kAnswerCount] = {9, 12, 15, 18};
constexpr int kLetterColumn = 2;
constexpr int kMarkerColumn = 4;
constexpr int kAnswerColumn = 9;
constexpr int kAnswerWidth = 34;
static_assert(kAnswerWidth >= kAnswerSize - 1, "an answer fits its line");
static_assert(kLetterColumn < kMarkerColumn && kMarkerColumn + Length(kIdleMarker) < kAnswerColumn,
              "the letter, the marker and the answer stand apart");
constexpr int kRightOfAnswers = kAnswerColumn + kAnswerSize - 1;

// The helps' buttons, the rank gauge and the score stand in one column right of the answers.
constexpr int kSideColumn = 60;
static_assert(kSideColumn >= kAnswerColumn + kAnswerWidth,
              "the helps, the gauge and the score stand right of the answers");

// The helps' buttons, a blank apart, between the question and the answers.
constexpr int kToolRow = 7;
constexpr int kRemoveColumn = kSideColumn;
constexpr int kRevealColumn = kRemoveColumn + Length(kRemoveButton) + 1;
static_assert(kToolRow >= kQuestionRow + kQuestionLines && kToolRow < kAnswerRows[0],
              "the buttons stand between the question and the answers");
static_assert(kRevealColumn + Length(kRevealButton) <= kScreenColumns, "the buttons are inside the screen");

// A frame around ten rows, from the first answer's row down, and the scale a blank right of it.
constexpr Rect kGauge = {kAnswerRows[0], kSideColumn, 12, 4};
constexpr int kGaugeRows = kGauge.lines - 2;
constexpr int kScaleColumn = kGauge.x + kGauge.columns + 1;

// The scale's lines stand beside the gauge's rows, one a row.
constexpr int LineCount(const char* text) {
    int lines = 1;
    for (; *text != '\0'; ++text) {
        lines += *text == '\n';
    }
    return lines;
}
static_assert(LineCount(MENDO_RANK_SCALE) <= kGaugeRows, "the scale stands beside the gauge");

// The score under the gauge, and the clock on its row at the left.
constexpr int kScoreRow = 21;
constexpr int kScoreColumn = kSideColumn;
constexpr int kScoreWidth = 16;
static_assert(kScoreRow >= kGauge.y + kGauge.lines && kScoreRow < kKeysRow, "the score stands under the gauge");
static_assert(kScoreColumn + kScoreWidth <= kScreenColumns, "the score fits the screen");
constexpr int kClockRow = kScoreRow;
constexpr int kClockColumn = 2;
constexpr int kClockWidth = kClockSize - 1;

// What a click on the main screen acts on, the buttons, the menu bar's titles and the markers: the
// target each is, and its text as it shows at rest.
struct Hotspot {
    Target target;
    int y, x;
    std::wstring text;
    Ink ink;

    Rect Place() const { return {y, x, 1, static_cast<int>(text.size())}; }
};

Target TitleTarget(MenuTitle title) {
    return {Place::MenuTitle, static_cast<int>(title)};
}

std::wstring TitleWords(MenuTitle title) {
    return L" " + ToWide(ItemLabel(TitleText(title)).c_str()) + L" ";
}

std::vector<Hotspot> MakeHotspots() {
    std::vector<Hotspot> hotspots = {
        {TitleTarget(MenuTitle::Window), kTitleRow, kLeftEdge, kWindowButton, Ink::Bar},
        {{Place::Close}, kTitleRow, kCloseButtonColumn, kCloseButton, Ink::Bar},
    };
    int x = kFirstTitleColumn;
    for (MenuTitle title : {MenuTitle::Game, MenuTitle::About}) {
        hotspots.push_back({TitleTarget(title), kMenuRow, x, TitleWords(title), Ink::Menu});
        x += static_cast<int>(hotspots.back().text.size());
    }
    hotspots.push_back({{Place::Remove}, kToolRow, kRemoveColumn, kRemoveButton, Ink::Menu});
    hotspots.push_back({{Place::Reveal}, kToolRow, kRevealColumn, kRevealButton, Ink::Menu});
    for (int k = 1; k <= kAnswerCount; ++k) {
        hotspots.push_back({{Place::Marker, k}, kAnswerRows[k - 1], kMarkerColumn, kIdleMarker, Ink::Game});
    }
    return hotspots;
}

const std::vector<Hotspot>& Hotspots() {
    static const std::vector<Hotspot> hotspots = MakeHotspots();
    return hotspots;
}

const Hotspot* Find(const Target& target) {
    for (const Hotspot& hotspot : Hotspots()) {
        if (hotspot.target == target) {
            return &hotspot;
        }
    }
    return nullptr;
}

std::wstring Wide(const std::string& text) {
    return ToWide(text.c_str());
}

// The scale's lines, one a row beside the gauge from its top.
std::vector<std::wstring> ScaleLines() {
    return WrapWords(ToWide(MENDO_RANK_SCALE), kScreenColumns - kScaleColumn);
}

// What was drawn becomes what is to show; whether it was different, and so must be drawn anew.
template <typename Value>
bool ChangeTo(Value& drawn, const Value& shown) {
    if (drawn == shown) {
        return false;
    }
    drawn = shown;
    return true;
}

}  // namespace

Target MainView::TargetAt(int y, int x) {
    for (const Hotspot& hotspot : Hotspots()) {
        if (hotspot.Place().Holds(y, x)) {
            return hotspot.target;
        }
    }
    return {};
}

Rect MainView::TitleRect(MenuTitle title) {
    return Find(TitleTarget(title))->Place();
}

std::wstring MainView::TitleShown(MenuTitle title) {
    return Find(TitleTarget(title))->text;
}

std::vector<Rect> MainView::ScaleLabels() {
    std::vector<Rect> labels;
    const std::vector<std::wstring> scale = ScaleLines();
    for (std::size_t i = 0; i < scale.size(); ++i) {
        if (!scale[i].empty()) {
            labels.push_back({kGauge.y + 1 + static_cast<int>(i), kScaleColumn, 1, CellWidth(scale[i])});
        }
    }
    return labels;
}

Rect MainView::RightOfAnswers() {
    return {0, kRightOfAnswers, kScreenLines, kScreenColumns - kRightOfAnswers};
}

void MainView::NamePack(const std::wstring& packName) {
    const std::wstring after = ToWide(MENDO_PACK_TITLE_SEPARATOR MENDO_TITLE);
    std::wstring name = packName;
    if (CellWidth(name + after) > kTitleWidth) {
        while (!name.empty() && CellWidth(name + kCutName + after) > kTitleWidth) {
            name.pop_back();
        }
        name += kCutName;
    }
    m_title = name + after;
}

void MainView::DrawFrame() {
    const Canvas canvas = Surface();
    canvas.Fill(kWholeScreen, Ink::Game);
    const std::wstring title = m_title.empty() ? ToWide(MENDO_TITLE) : m_title;
    canvas.PutText(kTitleRow, kLeftEdge, title, kScreenColumns, Ink::Bar, Align::Centre);
    canvas.PutText(kMenuRow, kLeftEdge, L"", kScreenColumns, Ink::Menu);
    canvas.PutText(kKeysRow, kLeftEdge, kKeys, kScreenColumns, Ink::Menu, Align::Centre);
    for (const Hotspot& hotspot : Hotspots()) {
        canvas.PutCharacters(hotspot.y, hotspot.x, hotspot.text, hotspot.ink);
    }
    for (int k = 0; k < kAnswerCount; ++k) {
        canvas.PutCharacters(kAnswerRows[k], kLetterColumn, std::wstring(1, static_cast<wchar_t>(L'A' + k)), Ink::Game);
    }
    canvas.Frame(kGauge, Ink::Game);
    const std::vector<std::wstring> scale = ScaleLines();
    for (std::size_t i = 0; i < scale.size(); ++i) {
        canvas.PutCharacters(kGauge.y + 1 + static_cast<int>(i), kScaleColumn, scale[i], Ink::Game);
    }
}

void MainView::DrawQuestion(const std::string& question) {
    std::vector<std::wstring> lines = WrapWords(Wide(question), kQuestionWidth);
    lines.resize(kQuestionLines);
    for (int i = 0; i < kQuestionLines; ++i) {
        // Emphasis under the words only: the blanks around them stay plain.
        std::wstring& line = lines[i];
        line.erase(line.find_last_not_of(L' ') + 1);
        line.erase(0, line.find_first_not_of(L' '));
        const int row = kQuestionRow + i;
        Surface().PutText(row, kQuestionColumn, L"", kQuestionWidth, Ink::Game);
        Surface().PutCharacters(row, kQuestionColumn + (kQuestionWidth - CellWidth(line)) / 2, line, Ink::Question);
    }
}

void MainView::DrawAnswer(int k, const std::string& answer) {
    Surface().PutText(kAnswerRows[k], kAnswerColumn, Wide(answer), kAnswerWidth, Ink::Game);
}

void MainView::DrawMarker(int k, bool pressed) {
    Surface().PutCharacters(kAnswerRows[k], kMarkerColumn, pressed ? kPressedMarker : kIdleMarker, Ink::Game);
}

void MainView::DrawGauge(int rank) {
    // As the window's gauge fills: in proportion over its range, in eighths of a row where the
    // terminal's characters have them.
    const std::wstring column =
        FilledColumn(rank - kRankLowest, kRankHighest - kRankLowest, kGaugeRows, LocaleShows(kBlocks));
    const int width = kGauge.columns - 2;
    for (int row = 0; row < kGaugeRows; ++row) {
        // A full cell is the filled part's own colour; a part of one is drawn in it on the empty part's.
        const wchar_t cell = column[row];
        const int y = kGauge.y + 1 + row;
        if (cell == kFullBlock) {
            Surface().PutText(y, kGauge.x + 1, L"", width, Ink::Gauge);
        } else {
            Surface().PutCharacters(y, kGauge.x + 1, std::wstring(width, cell), Ink::Game);
        }
    }
}

void MainView::DrawAll(const MainScreen& shown, int pressedMarker) {
    m_panel.emplace(kWholeScreen);
    // The frame leaves every text blank, the gauge empty and the markers up.
    DrawFrame();
    m_drawn = MainScreen();
    m_drawnPressed = 0;
    DrawChanges(shown, pressedMarker);
}

bool MainView::DrawChanges(const MainScreen& shown, int pressedMarker) {
    bool drawn = false;
    if (ChangeTo(m_drawn.question, shown.question)) {
        DrawQuestion(shown.question);
        drawn = true;
    }
    if (ChangeTo(m_drawn.number, shown.number)) {
        Surface().PutText(kNumberRow, kNumberColumn, Wide(shown.number), kNumberWidth, Ink::Game);
        drawn = true;
    }
    for (int k = 0; k < kAnswerCount; ++k) {
        if (ChangeTo(m_drawn.answer[k], shown.answer[k])) {
            DrawAnswer(k, shown.answer[k]);
            drawn = true;
        }
    }
    const int released = m_drawnPressed;
    if (ChangeTo(m_drawnPressed, pressedMarker)) {
        for (int k = 1; k <= kAnswerCount; ++k) {
            if (k == pressedMarker || k == released) {
                DrawMarker(k - 1, k == pressedMarker);
            }
        }
        drawn = true;
    }
    if (ChangeTo(m_drawn.rank, shown.rank)) {
        DrawGauge(shown.rank);
        drawn = true;
    }
    if (ChangeTo(m_drawn.score, shown.score)) {
        Surface().PutText(kScoreRow, kScoreColumn, ExpandTabs(Wide(shown.score)), kScoreWidth, Ink::Game);
        drawn = true;
    }
    if (ChangeTo(m_drawn.clock, shown.clock)) {
        Surface().PutText(kClockRow, kClockColumn, Wide(shown.clock), kClockWidth, Ink::Game);
        drawn = true;
    }
    return drawn;
}
