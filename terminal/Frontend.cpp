#include "terminal/Frontend.h"

#include <curses.h>

#include <utility>

#include "terminal/AboutBox.h"
#include "terminal/Charset.h"
#include "terminal/Menu.h"
#include "terminal/MessageBox.h"
#include "terminal/TextLayout.h"

namespace {

constexpr int kClockSize = 9;  // "HH:mm:ss" and the terminator
static_assert(sizeof "23:59:59" == kClockSize, "the clock text fits its buffer");

const wchar_t kTooSmall[] = L"Mendo needs a terminal of at least 80 x 24 characters; this one is ";
const wchar_t kTooSmallEnd[] = L". Please make it larger: the game goes on when it is.";

}  // namespace

Frontend::Frontend(EventSource& events, std::string appName)
    : m_events(events), m_appName(std::move(appName)), m_game(*this) {}

void Frontend::Run() {
    OnResize();
    while (true) {
        const Event event = WaitForInput();
        if (event.kind == EventKind::Quit) {
            return;
        }
        if (event.kind == EventKind::Key) {
            Perform(CommandForKey(event));
        } else {
            m_pressedMarker = MarkerPressed(event);
            DrawChanges();
            Perform(CommandForMouse(event));
        }
        DrawChanges();
    }
}

Event Frontend::WaitForInput() {
    while (!m_closing) {
        Event event = m_events.Next();
        switch (event.kind) {
            case EventKind::Tick: OnTick(event.now); break;
            case EventKind::Resize: OnResize(); break;
            case EventKind::Quit: m_closing = true; break;
            case EventKind::Key:
                if (!event.isFunctionKey && !event.alt && event.key == kInterruptKey) {
                    m_closing = true;
                } else if (!m_tooSmall) {
                    return event;
                }
                break;
            case EventKind::Mouse:
                if (!m_tooSmall) {
                    event.y -= OriginY();
                    event.x -= OriginX();
                    return event;
                }
                break;
        }
    }
    return Event();
}

void Frontend::Perform(Command command) {
    switch (command) {
        case Command::None: break;
        case Command::AnswerA: m_game.OnAnswerA(); break;
        case Command::AnswerB: m_game.OnAnswerB(); break;
        case Command::AnswerC: m_game.OnAnswerC(); break;
        case Command::AnswerD: m_game.OnAnswerD(); break;
        case Command::Easy: m_game.OnGameEasy(); break;
        case Command::Hard: m_game.OnGameHard(); break;
        case Command::Logic: m_game.OnGameLogic(); break;
        case Command::Remove: m_game.OnHintRemove(); break;
        case Command::Reveal: m_game.OnHintReveal(); break;
        case Command::About: OpenAbout(AboutOpener::Menu); break;
        case Command::WindowAbout: OpenAbout(AboutOpener::WindowMenu); break;
        case Command::GameMenu: Perform(RunMenuBar(*this, MenuTitle::Game)); break;
        case Command::WindowMenu: Perform(RunMenuBar(*this, MenuTitle::Window)); break;
        case Command::Close: m_closing = true; break;
    }
}

void Frontend::OpenAbout(AboutOpener opener) {
    const std::string typed = RunAboutBox(*this, ToWide(HintSentence(m_game, opener)));
    if (OpensSecretDoor(opener, typed.c_str())) {
        RunMessageBox(kSecretDoorText, kSecretDoorCaption, BoxIcon::None);
    }
}

void Frontend::RunMessageBox(const char* text, const char* caption, BoxIcon icon) {
    DrawChanges();
    const std::wstring shownCaption = caption != nullptr ? ToWide(caption) : ToWide(m_appName.c_str());
    ::RunMessageBox(*this, ToWide(text), shownCaption, icon);
}

void Frontend::PushLayer(Layer& layer) {
    m_layers.push_back(&layer);
    DrawLayers();
}

void Frontend::PopLayer() {
    m_layers.pop_back();
    DrawAll();
}

void Frontend::DrawLayers() {
    if (m_tooSmall) {
        return;
    }
    for (Layer* layer : m_layers) {
        layer->Draw();
    }
    refresh();
}

void Frontend::OnTick(std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    char clock[kClockSize] = "";
    std::strftime(clock, sizeof clock, "%H:%M:%S", &local);
    m_game.Tick(clock);
    DrawChanges();
}

void Frontend::OnResize() {
    m_tooSmall = LINES < kScreenLines || COLS < kScreenColumns;
    SetOrigin(m_tooSmall ? 0 : (LINES - kScreenLines) / 2, m_tooSmall ? 0 : (COLS - kScreenColumns) / 2);
    // The terminal may keep cells from before the resize that curses thinks are blank.
    clear();
    DrawAll();
}

void Frontend::DrawAll() {
    if (m_tooSmall) {
        const std::wstring size = std::to_wstring(COLS) + L" x " + std::to_wstring(LINES);
        attrset(A_NORMAL);
        int row = 0;
        for (const std::wstring& line : WrapWords(kTooSmall + size + kTooSmallEnd, COLS)) {
            mvaddnwstr(row++, 0, line.c_str(), static_cast<int>(line.size()));
        }
        refresh();
        return;
    }
    m_view.DrawAll(m_game.Shown(), m_pressedMarker);
    DrawLayers();
}

void Frontend::DrawChanges() {
    if (!m_tooSmall && m_view.DrawChanges(m_game.Shown(), m_pressedMarker)) {
        DrawLayers();
    }
}
