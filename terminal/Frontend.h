#pragma once

#include <string>
#include <vector>

#include "about/HintCodes.h"
#include "terminal/Event.h"
#include "terminal/Input.h"
#include "terminal/MainView.h"
#include "terminal/TerminalGame.h"

// A menu or box over the main screen, drawn again whenever the screen under it changes.
class Layer {
public:
    virtual ~Layer() = default;
    virtual void Draw() = 0;
};

// The game in a terminal: the main loop with its clock, the main screen and the boxes over it.
class Frontend : public BoxHost {
public:
    Frontend(EventSource& events, std::string appName);

    // Plays until the game is closed, by its close button, its window menu, or an interrupt.
    void Run();

    CTerminalGame& Game() { return m_game; }

    // For the loops of menus and boxes: the next key or mouse press or release, mouse cells
    // within the game's screen; meanwhile the clock ticks and the screen follows the
    // terminal's size. Quit once the game is closing.
    Event WaitForInput();

    // A layer shows from its push to its pop; pops come in the reverse order of pushes.
    void PushLayer(Layer& layer);
    void PopLayer();
    // Draws the layers again after one of them changed.
    void DrawLayers();
    // Draws the main screen and every layer anew, as after a layer moved or went.
    void DrawAll();

    void RunMessageBox(const char* text, const char* caption, BoxIcon icon) override;

private:
    void Perform(Command command);
    void OpenAbout(AboutOpener opener);
    void OnTick(std::time_t now);
    void OnResize();
    void DrawChanges();

    EventSource& m_events;
    std::string m_appName;
    CTerminalGame m_game;
    MainView m_view;
    std::vector<Layer*> m_layers;
    int m_pressedMarker = 0;
    bool m_tooSmall = false;
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
