#include "play/GameSession.h"

#include <utility>

#include "about/AboutTexts.h"
#include "play/KeyMap.h"
#include "play/Look.h"
#include "res/resource.h"

namespace {

constexpr char32_t kSpace = U' ';
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kFirstControl = 0x80;  // C1 controls, which type nothing
constexpr char32_t kLastControl = 0x9F;
constexpr char32_t kAsciiEnd = 0x80;
constexpr char kBeyondAscii = '?';
constexpr char32_t kControlH = U'h';  // a terminal's Backspace

bool IsPlain(const Key& key, KeyName name) {
    return key.name == name && !key.ctrl && !key.alt;
}

bool ClosesBox(const Key& key) {
    return IsPlain(key, KeyName::Enter) || IsPlain(key, KeyName::Escape) ||
           (IsPlain(key, KeyName::Character) && key.character == kSpace);
}

bool IsDeletion(const Key& key) {
    return IsPlain(key, KeyName::Backspace) ||
           (key.name == KeyName::Character && key.ctrl && !key.alt && key.character == kControlH);
}

bool TypesCharacter(const Key& key) {
    const char32_t c = key.character;
    return IsPlain(key, KeyName::Character) && c >= kSpace && c != kDelete && (c < kFirstControl || c > kLastControl);
}

// The codes are digits: a character beyond ASCII counts only as one more character.
char CodeCharacter(char32_t character) {
    return character < kAsciiEnd ? static_cast<char>(character) : kBeyondAscii;
}

void PutTwoDigits(char* text, int value) {
    text[0] = static_cast<char>('0' + value / 10 % 10);
    text[1] = static_cast<char>('0' + value % 10);
}

}  // namespace

GameSession::GameSession(bool canClose) : m_canClose(canClose) {
    m_game.ShowStartScreen();
}

void GameSession::Tick(int hours, int minutes, int seconds) {
    char clock[kClockSize] = "00:00:00";
    PutTwoDigits(clock, hours);
    PutTwoDigits(clock + 3, minutes);
    PutTwoDigits(clock + 6, seconds);
    m_game.m_screen.clock = clock;
    if (m_underBox) {
        m_underBox->clock = clock;
        return;
    }
    ShowHeldTexts(m_game, m_game.m_screen);
}

const MainScreen& GameSession::Screen() const {
    return m_underBox ? *m_underBox : m_game.m_screen;
}

std::vector<Request> GameSession::TakeRequests() {
    return std::exchange(m_requests, {});
}

void GameSession::Perform(int command) {
    switch (command) {
        case IDC_LETTER_A: m_game.OnAnswerA(); break;
        case IDC_LETTER_B: m_game.OnAnswerB(); break;
        case IDC_LETTER_C: m_game.OnAnswerC(); break;
        case IDC_LETTER_D: m_game.OnAnswerD(); break;
        case ID_GAME_EASY: m_game.OnGameEasy(); break;
        case ID_GAME_HARD: m_game.OnGameHard(); break;
        case ID_GAME_LOGIC: m_game.OnGameLogic(); break;
        case ID_HINT_REMOVE: m_game.OnHintRemove(); break;
        case ID_HINT_REVEAL: m_game.OnHintReveal(); break;
        case ID_HELP_ABOUT: OpenAbout(AboutOpener::Menu); break;
        case IDM_ABOUTBOX: OpenAbout(AboutOpener::WindowMenu); break;
        case ID_WINDOW_CLOSE: m_requests.push_back({Request::Kind::Close, ""}); break;
        default: break;
    }
}

void GameSession::ShowMessage(std::string text, std::string caption) {
    if (m_menu) {
        CloseMenu();
    }
    OpenBox({BoxKind::Message, std::move(text), std::move(caption), BoxIcon::None});
}

// Keys.

void GameSession::Type(const Key& key) {
    if (!m_boxes.empty()) {
        TypeInBox(key);
        return;
    }
    if (m_menu) {
        TypeInMenu(key);
        return;
    }
    MenuTitle title;
    if (OpensMenu(key, title)) {
        OpenMenuAt(title);
        return;
    }
    Perform(CommandOfKey(key));
}

void GameSession::TypeInBox(const Key& key) {
    if (m_boxes.back().kind == BoxKind::About) {
        TypeInAbout(key);
    } else if (ClosesBox(key)) {
        CloseBox();
    }
}

void GameSession::TypeInAbout(const Key& key) {
    std::string& typed = m_about->typed;
    if (IsPlain(key, KeyName::Enter) || IsPlain(key, KeyName::Escape)) {
        CloseBox();
    } else if (IsDeletion(key)) {
        if (!typed.empty()) {
            typed.pop_back();
            JudgeCode();
        }
    } else if (TypesCharacter(key)) {
        typed += CodeCharacter(key.character);
        JudgeCode();
    }
}

void GameSession::JudgeCode() {
    std::string& typed = m_about->typed;
    switch (JudgeTypedCode(typed.c_str())) {
        case CodeVerdict::ShowHint:
            typed.clear();
            OpenBox({BoxKind::Message, m_about->hint, std::string(kHintCaption), BoxIcon::None});
            break;
        case CodeVerdict::Clear: typed.clear(); break;
        case CodeVerdict::Keep: break;
    }
}

void GameSession::TypeInMenu(const Key& key) {
    OpenMenu& menu = *m_menu;
    const int count = static_cast<int>(menu.items.size());
    if (key.alt || key.ctrl) {
        return;
    }
    switch (key.name) {
        case KeyName::Escape:
        case KeyName::MenuBar: CloseMenu(); break;
        case KeyName::Enter:
            if (menu.title == MenuTitle::About) {
                CloseMenu();
                Perform(ID_HELP_ABOUT);
            } else {
                ChooseItem(menu.chosen);
            }
            break;
        case KeyName::Left:
        case KeyName::Right: {
            const int step = key.name == KeyName::Left ? -1 : 1;
            OpenMenuAt(
                static_cast<MenuTitle>((static_cast<int>(menu.title) + step + kMenuTitleCount) % kMenuTitleCount));
            break;
        }
        case KeyName::Up:
        case KeyName::Down:
            if (count > 0) {
                const int step = key.name == KeyName::Up ? -1 : 1;
                do {
                    menu.chosen = (menu.chosen + step + count) % count;
                } while (menu.items[menu.chosen].text == nullptr);
                Changed();
            }
            break;
        case KeyName::Character:
            for (int i = 0; i < count; ++i) {
                const char* text = menu.items[i].text;
                if (text != nullptr && SmallLetter(key.character) == static_cast<char32_t>(ItemLetter(text))) {
                    ChooseItem(i);
                    return;
                }
            }
            break;
        case KeyName::Backspace: break;
    }
}

// The mouse. A release over a marker answers wherever the press was; the buttons, the About
// title and OK act only when pressed and released on them; a press that closes a menu or a box
// does nothing else, nor does its release.

void GameSession::Press(const Target& target) {
    m_press = target;
    m_pressClosed = false;
    if (!m_boxes.empty()) {
        PressInBox(target);
    } else if (m_menu) {
        PressInMenu(target);
    } else if (target.place == Place::Marker) {
        m_pressedMarker = target.index;
    } else if (target.place == Place::MenuTitle && static_cast<MenuTitle>(target.index) != MenuTitle::About) {
        OpenMenuAt(static_cast<MenuTitle>(target.index));
    }
}

void GameSession::Release(const Target& target) {
    const Target press = std::exchange(m_press, Target{});
    m_pressedMarker = 0;
    if (std::exchange(m_pressClosed, false)) {
        return;
    }
    if (!m_boxes.empty()) {
        ReleaseInBox(target, press);
    } else if (m_menu) {
        ReleaseInMenu(target, press);
    } else {
        ReleaseOnScreen(target, press);
    }
}

void GameSession::PressInBox(const Target& target) {
    if (m_boxes.back().kind != BoxKind::About) {
        return;
    }
    if (target.place == Place::Link) {
        const bool web = static_cast<AboutLink>(target.index) == AboutLink::Web;
        m_requests.push_back(
            {Request::Kind::OpenAddress, web ? std::string(kWebAddress) : std::string(kMailTo) + kMailAddress});
    } else if (target.place == Place::Box) {
        CloseBox();
        m_pressClosed = true;
    }
}

void GameSession::PressInMenu(const Target& target) {
    if (target.place == Place::MenuItem) {
        return;
    }
    const MenuTitle title = static_cast<MenuTitle>(target.index);
    if (target.place == Place::MenuTitle && (title != m_menu->title || title == MenuTitle::About)) {
        OpenMenuAt(title);
        return;
    }
    CloseMenu();
    m_pressClosed = true;
}

void GameSession::ReleaseInBox(const Target& target, const Target& press) {
    if (m_boxes.back().kind == BoxKind::Message && target.place == Place::BoxOk && press == target) {
        CloseBox();
    }
}

void GameSession::ReleaseInMenu(const Target& target, const Target& press) {
    if (target.place == Place::MenuItem) {
        // The line between two groups of items is no item.
        if (m_menu->items.at(target.index).text != nullptr) {
            ChooseItem(target.index);
        }
    } else if (target == Target{Place::MenuTitle, static_cast<int>(MenuTitle::About)} && press == target) {
        CloseMenu();
        Perform(ID_HELP_ABOUT);
    }
}

void GameSession::ReleaseOnScreen(const Target& target, const Target& press) {
    if (target.place == Place::Marker) {
        m_game.CheckAnswer(target.index);
        return;
    }
    if (press != target) {
        return;
    }
    switch (target.place) {
        case Place::Close: m_requests.push_back({Request::Kind::Close, ""}); break;
        case Place::Remove: Perform(ID_HINT_REMOVE); break;
        case Place::Reveal: Perform(ID_HINT_REVEAL); break;
        case Place::MenuTitle:
            if (static_cast<MenuTitle>(target.index) == MenuTitle::About) {
                Perform(ID_HELP_ABOUT);
            }
            break;
        default: break;
    }
}

// Menus and boxes.

void GameSession::OpenMenuAt(MenuTitle title) {
    m_menu = OpenMenu{title, ItemsOf(title, m_canClose), 0};
    Changed();
}

void GameSession::CloseMenu() {
    m_menu.reset();
    Changed();
}

void GameSession::ChooseItem(int item) {
    const int command = m_menu->items.at(item).command;
    CloseMenu();
    Perform(command);
}

void GameSession::OpenBox(Box box) {
    m_boxes.push_back(std::move(box));
    Changed();
}

void GameSession::CloseBox() {
    const BoxKind kind = m_boxes.back().kind;
    m_boxes.pop_back();
    Changed();
    if (kind == BoxKind::About) {
        const AboutSession about = std::move(*m_about);
        m_about.reset();
        if (OpensSecretDoor(about.opener, about.typed.c_str())) {
            OpenBox({BoxKind::Message, kSecretDoorText, std::string(kSecretDoorCaption), BoxIcon::None});
        }
    }
    if (m_boxes.empty()) {
        m_underBox.reset();
    }
}

void GameSession::OpenAbout(AboutOpener opener) {
    m_about = AboutSession{opener, std::string(HintSentence(m_game, opener)), ""};
    OpenBox({BoxKind::About, "", std::nullopt, BoxIcon::None});
}

// The engine's display operations.

void GameSession::GameOnScreen::SetQuestionText(const char* text) {
    m_screen.question = text;
}

void GameSession::GameOnScreen::SetNumberLabel(const char* text) {
    m_screen.number = text;
}

void GameSession::GameOnScreen::SetRankPosition(int position) {
    m_screen.rank = position;
}

void GameSession::GameOnScreen::Refresh() {
    ShowHeldTexts(*this, m_screen);
}

void GameSession::GameOnScreen::ShowMessageBox(const char* text, const char* caption, BoxIcon icon) {
    // The engine goes on past its box at once. The player sees the screen as a window's clock
    // shows it under the box, and what the engine shows after it when the box closes.
    ShowHeldTexts(*this, m_screen);
    m_session.m_underBox = m_screen;
    m_session.OpenBox(
        {BoxKind::Message, text, caption != nullptr ? std::optional<std::string>(caption) : std::nullopt, icon});
}
