#include "terminal/Input.h"

#include "terminal/MainView.h"

namespace {

constexpr int kControlE = 5;
constexpr int kControlH = 8;  // also what many terminals send for Backspace
constexpr int kControlL = 12;
constexpr int kDelete = 127;  // Backspace on the others
constexpr int kLineFeed = 10;
constexpr int kReturn = 13;

// Each answer key with its place on the Bulgarian phonetic layout, in both cases.
struct AnswerKeys {
    wchar_t latin, latinCapital, cyrillic, cyrillicCapital;
    Command command;
};
constexpr AnswerKeys kAnswerKeys[] = {
    {L'a', L'A', L'а', L'А', Command::AnswerA},
    {L'b', L'B', L'б', L'Б', Command::AnswerB},
    {L'c', L'C', L'ц', L'Ц', Command::AnswerC},
    {L'd', L'D', L'д', L'Д', Command::AnswerD},
};

// The helps by the first digit of their price.
constexpr wchar_t kRemoveKey = L'1';
constexpr wchar_t kRevealKey = L'5';

Command AltCommand(int key) {
    switch (key) {
        case L'g':
        case L'G':
        case L'г':
        case L'Г': return Command::GameMenu;
        case L'a':
        case L'A':
        case L'а':
        case L'А': return Command::About;
        case L' ': return Command::WindowMenu;
        default: return Command::None;
    }
}

}  // namespace

Command CommandForKey(const Event& key) {
    // The main screen has no use for Backspace: it is Ctrl+H on many terminals.
    if (IsDeletion(key)) {
        return Command::Hard;
    }
    if (key.isFunctionKey) {
        return key.key == kMenuBarKey ? Command::GameMenu : Command::None;
    }
    if (key.alt) {
        return AltCommand(key.key);
    }
    switch (key.key) {
        case kControlE: return Command::Easy;
        case kControlL: return Command::Logic;
        case kRemoveKey: return Command::Remove;
        case kRevealKey: return Command::Reveal;
        default: break;
    }
    for (const AnswerKeys& keys : kAnswerKeys) {
        if (key.key == keys.latin || key.key == keys.latinCapital || key.key == keys.cyrillic ||
            key.key == keys.cyrillicCapital) {
            return keys.command;
        }
    }
    return Command::None;
}

Command CommandForPress(const Event& press) {
    switch (MainView::SpotAt(press.y, press.x)) {
        case Spot::GameMenu: return Command::GameMenu;
        case Spot::WindowMenu: return Command::WindowMenu;
        default: return Command::None;
    }
}

Command CommandForRelease(const Event& release) {
    const Spot spot = MainView::SpotAt(release.y, release.x);
    switch (spot) {
        case Spot::MarkerA: return Command::AnswerA;
        case Spot::MarkerB: return Command::AnswerB;
        case Spot::MarkerC: return Command::AnswerC;
        case Spot::MarkerD: return Command::AnswerD;
        default: break;
    }
    if (!ClickedOn(release, MainView::SpotRect(spot))) {
        return Command::None;
    }
    switch (spot) {
        case Spot::Close: return Command::Close;
        case Spot::AboutMenu: return Command::About;
        case Spot::Remove: return Command::Remove;
        case Spot::Reveal: return Command::Reveal;
        default: return Command::None;
    }
}

int MarkerPressed(const Event& mouse) {
    return mouse.mouse == MouseAction::Press ? MarkerAnswer(MainView::SpotAt(mouse.y, mouse.x)) : 0;
}

bool ClickedOn(const Event& mouse, const Rect& spot) {
    return mouse.kind == EventKind::Mouse && mouse.mouse == MouseAction::Release && spot.Holds(mouse.y, mouse.x) &&
           spot.Holds(mouse.pressY, mouse.pressX);
}

bool IsPlainKey(const Event& key) {
    return key.kind == EventKind::Key && !key.isFunctionKey && !key.alt;
}

bool IsEnter(const Event& key) {
    return key.kind == EventKind::Key && !key.alt &&
           (key.isFunctionKey ? key.key == KEY_ENTER : key.key == kLineFeed || key.key == kReturn);
}

bool IsDeletion(const Event& key) {
    if (key.kind != EventKind::Key || key.alt) {
        return false;
    }
    return key.isFunctionKey ? key.key == KEY_BACKSPACE : key.key == kControlH || key.key == kDelete;
}

bool IsEscape(const Event& key) {
    return IsPlainKey(key) && key.key == kEscapeKey;
}

bool ClosesBox(const Event& key) {
    return IsEnter(key) || IsEscape(key) || (IsPlainKey(key) && key.key == L' ');
}
