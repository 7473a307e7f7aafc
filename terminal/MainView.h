#pragma once

#include <optional>
#include <string>
#include <vector>

#include "play/MainScreen.h"
#include "play/Menus.h"
#include "play/Target.h"
#include "terminal/Panel.h"

// The main screen: title line, menu bar, the question and its number, the answers with their
// letters and markers, the two helps, the rank gauge and its scale, the score and the clock.
// It is drawn on the lowest panel.
class MainView {
public:
    // Everything anew on a new panel, as after a resize.
    void DrawAll(const MainScreen& screen, int pressedMarker);
    // Only what differs from what was drawn last; whether anything was.
    bool DrawChanges(const MainScreen& screen, int pressedMarker);
    // Takes the main screen off the terminal, as while it is too small.
    void Remove() { m_panel.reset(); }
    // The title names the pack of questions that plays, from the next time it is drawn.
    void NamePack(const std::wstring& packName);

    // What lies under a cell: a marker, a button or a title of the menu bar.
    static Target TargetAt(int y, int x);
    // Where a title stands on the menu bar, and what it shows: the menus hang from it.
    static Rect TitleRect(MenuTitle title);
    static std::wstring TitleShown(MenuTitle title);
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
    std::wstring m_title;
    MainScreen m_drawn;
    int m_drawnPressed = 0;
};
