#pragma once

#include <optional>
#include <string>
#include <vector>

#include "about/HintCodes.h"
#include "engine/TriviaGame.h"
#include "play/Box.h"
#include "play/Key.h"
#include "play/MainScreen.h"
#include "play/Menus.h"
#include "play/Request.h"
#include "play/Target.h"

// The menu open on the menu bar, with its highlighted item.
struct OpenMenu {
    MenuTitle title;
    std::vector<MenuItem> items;
    int chosen = 0;
};

// A session of the game, the play layer's whole state: the game between its player's inputs and
// a screen that any edition draws, with the commands and their dispatch, the menus and boxes,
// the About box and its codes, the clock, and which press a release belongs to. It takes one
// input at a time and returns at once: a box is a state, not a loop, and the clock ticks on
// under it. The front end turns its own events into these inputs, draws what is shown, and
// carries out the requests.
class GameSession {
public:
    // An edition that cannot close itself has no Close in its window menu.
    explicit GameSession(bool canClose = true);

    // A tick of the clock: the time of day, and every held text onto the screen.
    void Tick(int hours, int minutes, int seconds);
    void Type(const Key& key);
    // The button (or a finger) goes down or up over the target.
    void Press(const Target& target);
    void Release(const Target& target);
    // A message of the edition's own, such as what it found in a file, in a box over whatever
    // is open; an open menu closes, as a window's does when a box takes the input.
    void ShowMessage(std::string text, std::string caption);

    // What the main screen shows; under the game's own box, what it showed when the box opened.
    const MainScreen& Screen() const;
    // The marker held down by the button, 0 for none.
    int PressedMarker() const { return m_pressedMarker; }
    const std::optional<OpenMenu>& Menu() const { return m_menu; }
    // The boxes over the screen, the one on top last; only that one takes input.
    const std::vector<Box>& Boxes() const { return m_boxes; }
    // Changes whenever a menu or a box opens, changes or closes.
    unsigned Revision() const { return m_revision; }

    // What the player asked of the platform since the last call, in order.
    std::vector<Request> TakeRequests();

    CTriviaGame& Game() { return m_game; }

private:
    // The engine, showing itself on the session's main screen and in boxes over it.
    class GameOnScreen final : public CTriviaGame {
    public:
        explicit GameOnScreen(GameSession& session) : m_session(session) {}
        MainScreen m_screen;

    protected:
        void SetQuestionText(const char* text) override;
        void SetNumberLabel(const char* text) override;
        void SetRankPosition(int position) override;
        void Refresh() override;
        void ShowMessageBox(const char* text, const char* caption, BoxIcon icon) override;

    private:
        GameSession& m_session;
    };

    // The About box while it is open: where it was opened from, the sentence its hint code
    // shows, and what was typed into it unseen.
    struct AboutSession {
        AboutOpener opener;
        std::string hint;
        std::string typed;
    };

    void Perform(int command);
    void TypeInBox(const Key& key);
    void TypeInAbout(const Key& key);
    void TypeInMenu(const Key& key);
    void PressInBox(const Target& target);
    void PressInMenu(const Target& target);
    void ReleaseInBox(const Target& target, const Target& press);
    void ReleaseInMenu(const Target& target, const Target& press);
    void ReleaseOnScreen(const Target& target, const Target& press);

    void OpenMenuAt(MenuTitle title);
    void CloseMenu();
    void ChooseItem(int item);
    void OpenBox(Box box);
    void CloseBox();
    void OpenAbout(AboutOpener opener);
    void JudgeCode();
    void Changed() { ++m_revision; }

    bool m_canClose;
    GameOnScreen m_game{*this};
    std::optional<MainScreen> m_underBox;  // the screen as the game's box found it
    std::optional<OpenMenu> m_menu;
    std::vector<Box> m_boxes;
    std::optional<AboutSession> m_about;
    std::vector<Request> m_requests;
    unsigned m_revision = 0;

    int m_pressedMarker = 0;
    Target m_press;              // where the button went down
    bool m_pressClosed = false;  // that press closed a menu or a box: its release is its own
};
