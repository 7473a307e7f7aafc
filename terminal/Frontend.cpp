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

Frontend::Frontend(EventSource& events, std::wstring appName)
    : m_events(events), m_appName(std::move(appName)), m_game(*this) {
    m_game.ShowStartScreen();
}

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
            Perform(event.mouse == MouseAction::Press ? CommandForPress(event) : CommandForRelease(event));
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
                if (IsPlainKey(event) && event.key == kInterruptKey) {
                    m_closing = true;
                } else if (!m_tooSmall) {
                    m_gavePress = false;
                    return event;
                }
                break;
            case EventKind::Mouse:
                if (!m_tooSmall && TakeMouse(event)) {
                    m_gavePress = event.mouse == MouseAction::Press;
                    return event;
                }
                break;
        }
    }
    return Event();
}

bool Frontend::TakeMouse(Event& mouse) {
    mouse.y -= OriginY();
    mouse.x -= OriginX();
    if (mouse.mouse == MouseAction::Press) {
        m_pressY = mouse.y;
        m_pressX = mouse.x;
        m_dropRelease = false;
        return true;
    }
    mouse.pressY = m_pressY;
    mouse.pressX = m_pressX;
    m_pressY = -1;
    m_pressX = -1;
    return !std::exchange(m_dropRelease, false);
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
    const std::wstring shownCaption = caption != nullptr ? ToWide(caption) : m_appName;
    ::RunMessageBox(*this, ToWide(text), shownCaption, icon, MainView::RightOfAnswers());
}

void Frontend::PushLayer(Layer& layer) {
    m_layers.push_back(&layer);
    Redraw(layer);
}

void Frontend::PopLayer() {
    m_layers.back()->Remove();
    m_layers.pop_back();
    m_dropRelease = m_gavePress;
    ShowPanels();
}

void Frontend::Redraw(Layer& layer) {
    if (!m_tooSmall) {
        layer.Draw();
        ShowPanels();
    }
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
    const bool tooSmall = LINES < kScreenLines || COLS < kScreenColumns;
    SetOrigin(tooSmall ? 0 : (LINES - kScreenLines) / 2, tooSmall ? 0 : (COLS - kScreenColumns) / 2);
    // The terminal may keep cells from before the resize that curses thinks are blank.
    clear();
    m_tooSmall.reset();
    if (tooSmall) {
        m_view.Remove();
        for (Layer* layer : m_layers) {
            layer->Remove();
        }
        const std::wstring size = std::to_wstring(COLS) + kNoBreakSpace + L"x" + kNoBreakSpace + std::to_wstring(LINES);
        const Rect terminal = {0, 0, LINES, COLS};
        const Canvas canvas = m_tooSmall.emplace(terminal).Surface();
        canvas.Fill(terminal, Ink::Game);
        int row = 0;
        for (const std::wstring& line : WrapWords(kTooSmall + size + kTooSmallEnd, COLS)) {
            canvas.PutText(row++, 0, line, COLS, Ink::Game);
        }
    } else {
        m_view.DrawAll(m_game.Shown(), m_pressedMarker);
        for (Layer* layer : m_layers) {
            layer->Draw();
        }
    }
    ShowPanels();
}

void Frontend::DrawChanges() {
    if (!m_tooSmall && m_view.DrawChanges(m_game.Shown(), m_pressedMarker)) {
        ShowPanels();
    }
}
