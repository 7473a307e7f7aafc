#include "terminal/Frontend.h"

#include <curses.h>

#include <utility>

#include "terminal/AboutBox.h"
#include "terminal/Charset.h"
#include "terminal/Input.h"
#include "terminal/Menu.h"
#include "terminal/MessageBox.h"
#include "terminal/TextLayout.h"

namespace {

const wchar_t kTooSmall[] = L"Mendo needs a terminal of at least 80 x 24 characters; this one is ";
const wchar_t kTooSmallEnd[] = L". Please make it larger: the game goes on when it is.";

}  // namespace

Frontend::Frontend(EventSource& events, std::wstring appName) : m_events(events), m_appName(std::move(appName)) {}

void Frontend::PlayPack(const QuestionPack& pack, const std::wstring& name) {
    m_session.Game().PlayPack(&pack);
    m_view.NamePack(name);
}

void Frontend::Run() {
    OnResize();
    while (!m_closing) {
        Handle(m_events.Next());
        CarryOutRequests();
        DrawChanges();
    }
}

void Frontend::Handle(const Event& event) {
    switch (event.kind) {
        case EventKind::Quit: m_closing = true; break;
        case EventKind::Tick: OnTick(event.now); break;
        case EventKind::Resize: OnResize(); break;
        case EventKind::Key:
            if (IsInterrupt(event)) {
                m_closing = true;
            } else if (const std::optional<Key> key = GameKey(event); key && !m_tooSmall) {
                m_session.Type(*key);
            }
            break;
        case EventKind::Mouse:
            if (!m_tooSmall) {
                const Target target = TargetAt(event.y - OriginY(), event.x - OriginX());
                if (event.mouse == MouseAction::Press) {
                    m_session.Press(target);
                } else {
                    m_session.Release(target);
                }
            }
            break;
    }
}

Target Frontend::TargetAt(int y, int x) const {
    if (!m_layers.empty()) {
        const Target target = m_layers.back()->TargetAt(y, x);
        if (target.place != Place::Nothing || !m_session.Boxes().empty()) {
            return target;
        }
    }
    return MainView::TargetAt(y, x);
}

void Frontend::CarryOutRequests() {
    for (const Request& request : m_session.TakeRequests()) {
        // A terminal has no browser to hand an address to: the link's text is there to be read.
        if (request.kind == Request::Kind::Close) {
            m_closing = true;
        }
    }
}

void Frontend::OnTick(std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    m_session.Tick(local.tm_hour, local.tm_min, local.tm_sec);
}

void Frontend::OnResize() {
    const bool tooSmall = LINES < kScreenLines || COLS < kScreenColumns;
    SetOrigin(tooSmall ? 0 : (LINES - kScreenLines) / 2, tooSmall ? 0 : (COLS - kScreenColumns) / 2);
    // The terminal may keep cells from before the resize that curses thinks are blank.
    clear();
    m_tooSmall.reset();
    if (tooSmall) {
        m_view.Remove();
        m_layers.clear();
        const std::wstring size = std::to_wstring(COLS) + kNoBreakSpace + L"x" + kNoBreakSpace + std::to_wstring(LINES);
        const Rect terminal = {0, 0, LINES, COLS};
        const Canvas canvas = m_tooSmall.emplace(terminal).Surface();
        canvas.Fill(terminal, Ink::Game);
        int row = 0;
        for (const std::wstring& line : WrapWords(kTooSmall + size + kTooSmallEnd, COLS)) {
            canvas.PutText(row++, 0, line, COLS, Ink::Game);
        }
    } else {
        m_view.DrawAll(m_session.Screen(), m_session.PressedMarker());
        DrawLayers();
    }
    ShowPanels();
}

void Frontend::DrawLayers() {
    m_layers.clear();
    m_drawnRevision = m_session.Revision();
    if (m_session.Menu()) {
        m_layers.push_back(std::make_unique<MenuLayer>(*m_session.Menu()));
    }
    bool overAbout = false;
    for (const Box& box : m_session.Boxes()) {
        if (box.kind == BoxKind::About) {
            m_layers.push_back(std::make_unique<AboutLayer>());
            overAbout = true;
            continue;
        }
        // The game's boxes stand right of the answers, so that the right answer under "WRONG!!!"
        // shows whole; the hint stands over the About box.
        const std::wstring text = ToWide(box.text.c_str());
        const std::wstring caption = box.caption ? ToWide(box.caption->c_str()) : m_appName;
        const Rect area = overAbout ? kWholeScreen : MainView::RightOfAnswers();
        m_layers.push_back(std::make_unique<MessageBoxLayer>(caption, LayOutBox(text, caption, box.icon, area)));
    }
    for (const std::unique_ptr<Layer>& layer : m_layers) {
        layer->Draw();
    }
}

void Frontend::DrawChanges() {
    if (m_tooSmall) {
        return;
    }
    bool drawn = m_view.DrawChanges(m_session.Screen(), m_session.PressedMarker());
    if (m_session.Revision() != m_drawnRevision) {
        DrawLayers();
        drawn = true;
    }
    if (drawn) {
        ShowPanels();
    }
}
