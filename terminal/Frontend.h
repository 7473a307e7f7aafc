#pragma once

#include <optional>
#include <string>
#include <vector>

#include "about/HintCodes.h"
#include "terminal/Event.h"
#include "terminal/Input.h"
#include "terminal/Layer.h"
#include "terminal/MainView.h"
#include "terminal/TerminalGame.h"

// The game in a terminal: the main loop with its clock, the main screen and the layers over it.
class Frontend : public BoxHost {
public:
    Frontend(EventSource& events, std::wstring appName);

    // Plays until the game is closed, by its close button, its window menu, or an interrupt.
    void Run();

    CTerminalGame& Game() { return m_game; }

    // For the loops of menus and boxes: the next key or mouse press or release, mouse cells
    // within the game's screen, a release with the cell of its press; meanwhile the clock ticks
    // and the screen follows the terminal's size. Quit once the game is closing.
    Event WaitForInput();

    // A layer shows from its push to its pop; pops come in the reverse order of pushes. When a
    // layer goes at a press, the release that follows is the layer's too: no one else gets it.
    void PushLayer(Layer& layer);
    void PopLayer();
    // Draws the top layer anew after it changed.
    void Redraw(Layer& layer);

    void RunMessageBox(const char* text, const char* caption, BoxIcon icon) override;

private:
    void Perform(Command command);
    void OpenAbout(AboutOpener opener);
    void OnTick(std::time_t now);
    void OnResize();
    // Places a mouse event on the game's screen and gives a release the cell of its press; false
    // for the release of a press that ended a layer.
    bool TakeMouse(Event& mouse);
    void DrawChanges();

    EventSource& m_events;
    std::wstring m_appName;
    CTerminalGame m_game;
    MainView m_view;
    std::vector<Layer*> m_layers;
    std::optional<Panel> m_tooSmall;  // the request for a larger terminal, over everything
    int m_pressedMarker = 0;
    int m_pressY = -1;  // the cell of the press held down, -1 when none is
    int m_pressX = -1;
    bool m_gavePress = false;    // the last input handed out was a press
    bool m_dropRelease = false;  // the held press ended a layer
    bool m_closing = false;
};

// Shows a layer for as long as it lives.
class LayerShowing {
public:
    LayerShowing(Frontend& frontend, Layer& layer) : m_frontend(frontend) { m_frontend.PushLayer(layer); }
    ~LayerShowing() { m_frontend.PopLayer(); }
    LayerShowing(const LayerShowing&) = delete;
    LayerShowing& operator=(const LayerShowing&) = delete;

private:
    Frontend& m_frontend;
};
