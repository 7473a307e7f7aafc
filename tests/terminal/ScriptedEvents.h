#pragma once

#include <ctime>
#include <deque>
#include <functional>
#include <string>

#include "terminal/Event.h"

// Events as a test plays them, with checks run where they stand in the play: a check runs
// when the game asks for the event after it. When the script runs out, the game ends.
class ScriptedEvents : public EventSource {
public:
    ScriptedEvents& Key(int key) { return Add(KeyEvent(key, false, false)); }
    ScriptedEvents& FunctionKey(int key) { return Add(KeyEvent(key, true, false)); }
    ScriptedEvents& Alt(int key) { return Add(KeyEvent(key, false, true)); }

    ScriptedEvents& Type(const std::wstring& keys) {
        for (wchar_t key : keys) {
            Key(key);
        }
        return *this;
    }

    ScriptedEvents& Press(int y, int x) { return Add(MouseEvent(MouseAction::Press, y, x)); }
    ScriptedEvents& Release(int y, int x) { return Add(MouseEvent(MouseAction::Release, y, x)); }
    ScriptedEvents& Click(int y, int x) { return Press(y, x).Release(y, x); }

    ScriptedEvents& Tick() {
        Event event;
        event.kind = EventKind::Tick;
        event.now = m_now++;
        return Add(event);
    }

    ScriptedEvents& Resize() {
        Event event;
        event.kind = EventKind::Resize;
        return Add(event);
    }

    ScriptedEvents& Then(std::function<void()> check) {
        m_steps.push_back({Event(), std::move(check)});
        return *this;
    }

    // What a check adds comes right after it, before the rest of the script.
    Event Next() override {
        while (!m_steps.empty()) {
            Step step = std::move(m_steps.front());
            m_steps.pop_front();
            if (!step.check) {
                return step.event;
            }
            std::deque<Step> later;
            later.swap(m_steps);
            step.check();
            m_steps.insert(m_steps.end(), later.begin(), later.end());
        }
        return Event();
    }

    bool Done() const { return m_steps.empty(); }

private:
    struct Step {
        Event event;
        std::function<void()> check;
    };

    static Event KeyEvent(int key, bool isFunctionKey, bool alt) {
        return Event{EventKind::Key, key, isFunctionKey, alt};
    }

    static Event MouseEvent(MouseAction action, int y, int x) {
        return Event{EventKind::Mouse, 0, false, false, action, y, x};
    }

    ScriptedEvents& Add(const Event& event) {
        m_steps.push_back({event, nullptr});
        return *this;
    }

    std::deque<Step> m_steps;
    std::time_t m_now = 12 * 3600 + 34 * 60 + 56;  // 12:34:56 in UTC
};
