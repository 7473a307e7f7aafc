#pragma once

#include "terminal/Canvas.h"
#include "terminal/TerminalGame.h"

// What lies under a cell of the main screen, for the mouse.
enum class Spot { None, WindowMenu, Close, GameMenu, AboutMenu, Remove, Reveal, MarkerA, MarkerB, MarkerC, MarkerD };

// The answer number of a marker spot, 0 for any other spot.
int MarkerAnswer(Spot spot);

// The main screen: title line, menu bar, the question and its number, the answers with their
// letters and markers, the two helps, the rank gauge and its scale, the score and the clock.
class MainView {
public:
    // Everything anew, as after a resize or when a box over it has gone.
    void DrawAll(const ShownTexts& shown, int pressedMarker);
    // Only what differs from what was drawn last; whether anything was.
    bool DrawChanges(const ShownTexts& shown, int pressedMarker);

    static Spot SpotAt(int y, int x);
    // Where the drop-down menus hang, and the menu bar's items.
    static Rect SpotRect(Spot spot);

private:
    void DrawFrame();
    void DrawQuestion(const std::string& question);
    void DrawAnswer(int k, const std::string& answer);
    void DrawMarker(int k, bool pressed);
    void DrawGauge(int rank);

    ShownTexts m_drawn;
    int m_drawnPressed = 0;
};
