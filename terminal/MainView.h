#pragma once

#include <optional>
#include <vector>

#include "terminal/Panel.h"
#include "terminal/TerminalGame.h"

// What lies under a cell of the main screen, for the mouse.
enum class Spot { None, WindowMenu, Close, GameMenu, AboutMenu, Remove, Reveal, MarkerA, MarkerB, MarkerC, MarkerD };

// The answer number of a marker spot, 0 for any other spot.
int MarkerAnswer(Spot spot);

// The main screen: title line, menu bar, the question and its number, the answers with their
// letters and markers, the two helps, the rank gauge and its scale, the score and the clock.
// It is drawn on the lowest panel.
class MainView {
public:
    // Everything anew on a new panel, as after a resize.
    void DrawAll(const ShownTexts& shown, int pressedMarker);
    // Only what differs from what was drawn last; whether anything was.
    bool DrawChanges(const ShownTexts& shown, int pressedMarker);
    // Takes the main screen off the terminal, as while it is too small.
    void Remove() { m_panel.reset(); }

    static Spot SpotAt(int y, int x);
    // Where a spot stands: the drop-down menus hang from the titles.
    static Rect SpotRect(Spot spot);
    // What a button or a title shows.
    static const wchar_t* SpotText(Spot spot);
    // The screen right of the longest answer there can be: a box standing there leaves every
    // answer whole.
    static Rect RightOfAnswers();
    // Where the labels of the gauge's scale stand, "<--genius" and the others.
    static std::vector<Rect> ScaleLabels();

private:
    Canvas Surface() const { return m_panel->Surface(); }
    void DrawFrame();
    void DrawQuestion(const std::string& question);
    void DrawAnswer(int k, const std::string& answer);
    void DrawMarker(int k, bool pressed);
    void DrawGauge(int rank);

    std::optional<Panel> m_panel;
    ShownTexts m_drawn;
    int m_drawnPressed = 0;
};
