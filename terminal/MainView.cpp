#include "terminal/MainView.h"

#include <iterator>

#include "terminal/Charset.h"
#include "terminal/TextLayout.h"

namespace {

const wchar_t kTitle[] = L"Velt's Mendo";
const wchar_t kWindowMenuButton[] = L"[=]";
const wchar_t kCloseButton[] = L"[x]";
const wchar_t kGameMenuTitle[] = L" Game ";
const wchar_t kAboutMenuTitle[] = L" About ";
const wchar_t kRemoveButton[] = L" -10 ";
const wchar_t kRevealButton[] = L" -50 ";
const wchar_t kKeys[] = L"A-D answer   1: -10   5: -50   Ctrl+E/H/L level   F10 menus   Ctrl+C quit";
const wchar_t kIdleMarker[] = L"( )";
const wchar_t kPressedMarker[] = L"(*)";
const wchar_t* const kScale[] = {L"<--genius", L"<--very smart", L"<--smart", L"<--informed", L"<-- :-)"};

constexpr int kTitleRow = 0;
constexpr int kMenuRow = 1;
constexpr int kKeysRow = kScreenLines - 1;

constexpr int kNumberRow = 3;
constexpr int kNumberColumn = 2;
constexpr int kNumberWidth = 4;  // "25."
constexpr int kQuestionRow = 3;
constexpr int kQuestionColumn = 7;
constexpr int kQuestionWidth = 66;
constexpr int kQuestionLines = 3;
static_assert(kQuestionColumn + kQuestionWidth <= kScreenColumns, "the question fits the screen");

constexpr int kAnswerRows[kAnswerCount] = {9, 12, 15, 18};
constexpr int kLetterColumn = 2;
constexpr int kMarkerColumn = 4;
constexpr int kMarkerWidth = 3;
constexpr int kAnswerColumn = 9;
constexpr int kAnswerWidth = 34;
static_assert(kAnswerWidth >= kAnswerSize - 1, "an answer fits its line");

constexpr int kToolRow = 7;
constexpr int kRemoveColumn = 60;
constexpr int kRevealColumn = 66;
constexpr int kButtonWidth = 5;

constexpr Rect kGauge = {9, 60, 12, 4};  // a frame around ten rows
constexpr int kGaugeRows = kGauge.lines - 2;
constexpr int kRankLowest = 1;  // the gauge runs from 1 to 25: 0 and 1 show the same empty bar
constexpr int kScaleColumn = 65;
constexpr int kScaleStep = 2;
static_assert(std::size(kScale) * kScaleStep <= kGaugeRows, "the scale stands beside the gauge");

constexpr int kScoreRow = 21;
constexpr int kScoreColumn = 60;
constexpr int kScoreWidth = 16;
constexpr int kClockRow = 21;
constexpr int kClockColumn = 2;
constexpr int kClockWidth = 8;  // "HH:mm:ss"

constexpr Rect kSpots[] = {
    {kTitleRow, 0, 1, 3},
    {kTitleRow, kScreenColumns - 3, 1, 3},
    {kMenuRow, 1, 1, 6},
    {kMenuRow, 7, 1, 7},
    {kToolRow, kRemoveColumn, 1, kButtonWidth},
    {kToolRow, kRevealColumn, 1, kButtonWidth},
    {kAnswerRows[0], kMarkerColumn, 1, kMarkerWidth},
    {kAnswerRows[1], kMarkerColumn, 1, kMarkerWidth},
    {kAnswerRows[2], kMarkerColumn, 1, kMarkerWidth},
    {kAnswerRows[3], kMarkerColumn, 1, kMarkerWidth},
};
constexpr Spot kSpotNames[] = {Spot::WindowMenu, Spot::Close,   Spot::GameMenu, Spot::AboutMenu, Spot::Remove,
                               Spot::Reveal,     Spot::MarkerA, Spot::MarkerB,  Spot::MarkerC,   Spot::MarkerD};
static_assert(std::size(kSpots) == std::size(kSpotNames), "every spot has its place");

std::wstring Wide(const std::string& text) {
    return ToWide(text.c_str());
}

}  // namespace

int MarkerAnswer(Spot spot) {
    switch (spot) {
        case Spot::MarkerA: return 1;
        case Spot::MarkerB: return 2;
        case Spot::MarkerC: return 3;
        case Spot::MarkerD: return 4;
        default: return 0;
    }
}

Spot MainView::SpotAt(int y, int x) {
    for (std::size_t i = 0; i < std::size(kSpots); ++i) {
        if (kSpots[i].Holds(y, x)) {
            return kSpotNames[i];
        }
    }
    return Spot::None;
}

Rect MainView::SpotRect(Spot spot) {
    for (std::size_t i = 0; i < std::size(kSpots); ++i) {
        if (kSpotNames[i] == spot) {
            return kSpots[i];
        }
    }
    return {0, 0, 0, 0};
}

void MainView::DrawFrame() {
    Fill({0, 0, kScreenLines, kScreenColumns}, Ink::Game);
    PutText(kTitleRow, 0, kTitle, kScreenColumns, Ink::Bar, Align::Centre);
    PutCharacters(kTitleRow, 0, kWindowMenuButton, Ink::Bar);
    PutCharacters(kTitleRow, kScreenColumns - 3, kCloseButton, Ink::Bar);
    PutText(kMenuRow, 0, L"", kScreenColumns, Ink::Menu);
    PutCharacters(kMenuRow, 1, kGameMenuTitle, Ink::Menu);
    PutCharacters(kMenuRow, 7, kAboutMenuTitle, Ink::Menu);
    PutText(kKeysRow, 0, kKeys, kScreenColumns, Ink::Menu, Align::Centre);
    for (int k = 0; k < kAnswerCount; ++k) {
        PutCharacters(kAnswerRows[k], kLetterColumn, std::wstring(1, static_cast<wchar_t>(L'A' + k)), Ink::Game);
    }
    PutCharacters(kToolRow, kRemoveColumn, kRemoveButton, Ink::Menu);
    PutCharacters(kToolRow, kRevealColumn, kRevealButton, Ink::Menu);
    Frame(kGauge, Ink::Game);
    for (std::size_t i = 0; i < std::size(kScale); ++i) {
        PutCharacters(kGauge.y + 1 + static_cast<int>(i) * kScaleStep, kScaleColumn, kScale[i], Ink::Game);
    }
}

void MainView::DrawQuestion(const std::string& question) {
    std::vector<std::wstring> lines = WrapWords(Wide(question), kQuestionWidth);
    lines.resize(kQuestionLines);
    for (int i = 0; i < kQuestionLines; ++i) {
        PutText(kQuestionRow + i, kQuestionColumn, lines[i], kQuestionWidth, Ink::Game, Align::Centre);
    }
}

void MainView::DrawAnswer(int k, const std::string& answer) {
    PutText(kAnswerRows[k], kAnswerColumn, Wide(answer), kAnswerWidth, Ink::Game);
}

void MainView::DrawMarker(int k, bool pressed) {
    PutCharacters(kAnswerRows[k], kMarkerColumn, pressed ? kPressedMarker : kIdleMarker, Ink::Game);
}

void MainView::DrawGauge(int rank) {
    const int filled = rank <= kRankLowest ? 0 : (rank - kRankLowest) * kGaugeRows / (kRoundLength - kRankLowest);
    for (int row = 0; row < kGaugeRows; ++row) {
        const bool full = kGaugeRows - row <= filled;
        PutText(kGauge.y + 1 + row, kGauge.x + 1, L"", kGauge.columns - 2, full ? Ink::Gauge : Ink::Game);
    }
}

void MainView::DrawAll(const ShownTexts& shown, int pressedMarker) {
    // The frame leaves every text blank and the gauge empty; the markers are still to draw.
    DrawFrame();
    m_drawn = ShownTexts();
    m_drawnPressed = -1;
    DrawChanges(shown, pressedMarker);
}

bool MainView::DrawChanges(const ShownTexts& shown, int pressedMarker) {
    bool drawn = false;
    if (shown.question != m_drawn.question) {
        DrawQuestion(shown.question);
        drawn = true;
    }
    if (shown.number != m_drawn.number) {
        PutText(kNumberRow, kNumberColumn, Wide(shown.number), kNumberWidth, Ink::Game);
        drawn = true;
    }
    for (int k = 0; k < kAnswerCount; ++k) {
        if (shown.answer[k] != m_drawn.answer[k]) {
            DrawAnswer(k, shown.answer[k]);
            drawn = true;
        }
        const bool markerChanged = k + 1 == pressedMarker || k + 1 == m_drawnPressed || m_drawnPressed < 0;
        if (pressedMarker != m_drawnPressed && markerChanged) {
            DrawMarker(k, k + 1 == pressedMarker);
            drawn = true;
        }
    }
    if (shown.rank != m_drawn.rank) {
        DrawGauge(shown.rank);
        drawn = true;
    }
    if (shown.score != m_drawn.score) {
        PutText(kScoreRow, kScoreColumn, ExpandTabs(Wide(shown.score)), kScoreWidth, Ink::Game);
        drawn = true;
    }
    if (shown.clock != m_drawn.clock) {
        PutText(kClockRow, kClockColumn, Wide(shown.clock), kClockWidth, Ink::Game);
        drawn = true;
    }
    m_drawn = shown;
    m_drawnPressed = pressedMarker;
    return drawn;
}
