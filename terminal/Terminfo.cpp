#include "terminal/Terminfo.h"

#include <curses.h>
#include <term.h>

namespace {

bool Present(const char* capability) {
    return capability != nullptr && capability != reinterpret_cast<char*>(-1) && capability[0] != '\0';
}

// Where tputs writes the capability's bytes, one at a time.
std::string* g_expanding = nullptr;
int Append(int byte) {
    *g_expanding += static_cast<char>(byte);
    return byte;
}

}  // namespace

bool TerminalHas(const char* capability) {
    return Present(tigetstr(capability));
}

std::string Capability(const char* name) {
    std::string bytes;
    const char* const capability = tigetstr(name);
    if (Present(capability)) {
        g_expanding = &bytes;
        tputs(capability, 1, Append);
        g_expanding = nullptr;
    }
    return bytes;
}
