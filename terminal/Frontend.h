#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "packs/QuestionPack.h"
#include "play/GameSession.h"
#include "terminal/Event.h"
#include "terminal/Layer.h"
#include "terminal/MainView.h"

// The game in a terminal: one loop that hands the terminal's events to the game and draws
// what it shows, the main screen with its menus and boxes over it.
class Frontend {
public:
    Frontend(EventSource& events, std::wstring appName);

    // Plays until the game is closed, by its close button, its window menu, or an interrupt.
    void Run();

    CTriviaGame& Game() { return m_session.Game(); }
    // The game draws from the pack, which outlives it, and its title names it.
    void PlayPack(const QuestionPack& pack, const std::wstring& name);

private:
    // An event of the terminal, as the session's input; the end or an interrupt closes the game.
    void Handle(const Event& event);
    // What lies under a cell of the game's screen: the box on top takes every cell.
    Target TargetAt(int y, int x) const;
    void CarryOutRequests();
    void OnTick(std::time_t now);
    void OnResize();
    // The menus and boxes anew, as the game now has them.
    void DrawLayers();
    void DrawChanges();

    EventSource& m_events;
    std::wstring m_appName;
    GameSession m_session;
    MainView m_view;
    std::vector<std::unique_ptr<Layer>> m_layers;  // the open menu, then the boxes, the top one last
    unsigned m_drawnRevision = 0;
    std::optional<Panel> m_tooSmall;  // the request for a larger terminal, over everything
    bool m_closing = false;
};
