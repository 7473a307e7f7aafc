#include "terminal/MouseReport.h"

#include <cstdio>

namespace {

constexpr char kSgrMark = '<';
constexpr int kPressFinal = 'M';
constexpr int kReleaseFinal = 'm';
constexpr int kX10Offset = 32;
constexpr int kX10Release = 3;  // the older coding does not say which button went up
// Beside the button, a report tells of Shift, Alt and Ctrl held, of motion and of the wheel.
constexpr int kButtonBits = 3;
constexpr int kMotionOrWheel = 32 | 64 | 128;
constexpr int kLeftButton = 0;

void PutMouse(MouseAction action, int row, int column, Event& event) {
    event.kind = EventKind::Mouse;
    event.mouse = action;
    event.y = row;
    event.x = column;
}

}  // namespace

bool ReadSgrMouse(const std::string& parameters, int final, Event& event) {
    int button = 0;
    int column = 0;
    int row = 0;
    char end = 0;
    if (parameters.empty() || parameters[0] != kSgrMark || (final != kPressFinal && final != kReleaseFinal) ||
        std::sscanf(parameters.c_str() + 1, "%d;%d;%d%c", &button, &column, &row, &end) != 3 ||
        (button & kMotionOrWheel) != 0 || (button & kButtonBits) != kLeftButton || column < 1 || row < 1) {
        return false;
    }
    PutMouse(final == kPressFinal ? MouseAction::Press : MouseAction::Release, row - 1, column - 1, event);
    return true;
}

bool ReadX10Mouse(int button, int column, int row, Event& event) {
    button -= kX10Offset;
    column -= kX10Offset + 1;
    row -= kX10Offset + 1;
    if (button < 0 || (button & kMotionOrWheel) != 0 || column < 0 || row < 0) {
        return false;
    }
    const int which = button & kButtonBits;
    if (which != kLeftButton && which != kX10Release) {
        return false;
    }
    PutMouse(which == kLeftButton ? MouseAction::Press : MouseAction::Release, row, column, event);
    return true;
}

bool BeginsX10Mouse(const std::string& parameters, int final) {
    return parameters.empty() && final == kPressFinal;
}
