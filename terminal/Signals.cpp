#include "terminal/Signals.h"

#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <iterator>

namespace {

// The signals whose default is to end the program, without a core dump, that a program may
// catch (signal(7)): the game ends as if closed, then the signal ends it. The real-time signals
// are such too.
constexpr int kEndingSignals[] = {SIGHUP,  SIGINT,    SIGTERM, SIGUSR1, SIGUSR2,   SIGPIPE,
                                  SIGALRM, SIGVTALRM, SIGPROF, SIGIO,   SIGSTKFLT, SIGPWR};
constexpr int kStopSignal = SIGTSTP;

// The signals whose default is to end the program with a core dump: the game cannot go on
// after most of them, so their handler puts the terminal back at once, then the signal ends the
// game as it would have.
constexpr int kFaultSignals[] = {SIGQUIT, SIGILL, SIGTRAP, SIGABRT, SIGBUS, SIGFPE, SIGSEGV, SIGSYS, SIGXCPU, SIGXFSZ};
// Room for the handler when the stack itself overflowed.
constexpr std::size_t kFaultStackSize = 64 * 1024;
alignas(16) char g_faultStack[kFaultStackSize];

// What puts the terminal back, made before it is needed: a fault's handler can only write it.
constexpr std::size_t kMostRestoreBytes = 512;
char g_restore[kMostRestoreBytes];
std::size_t g_restoreLength = 0;
termios g_shellModes;
bool g_haveShellModes = false;

volatile std::sig_atomic_t g_endingSignal = 0;
volatile std::sig_atomic_t g_stopAsked = 0;

void OnEndingSignal(int signal) {
    g_endingSignal = signal;
}

void OnStopSignal(int) {
    g_stopAsked = 1;
}

void OnFault(int signal) {
    // Only what is safe in a handler: writes and the terminal's modes.
    ssize_t written = write(STDOUT_FILENO, g_restore, g_restoreLength);
    (void)written;
    if (g_haveShellModes) {
        tcsetattr(STDOUT_FILENO, TCSANOW, &g_shellModes);
    }
    // The handler was reset and the signal is not held back: it ends the game now, as it would have.
    raise(signal);
}

// Catches the signal with the handler unless someone else handles or ignores it; whether it did.
bool Catch(int signal, void (*handler)(int), int flags = 0) {
    struct sigaction before = {};
    if (sigaction(signal, nullptr, &before) != 0 || before.sa_handler != SIG_DFL) {
        return false;
    }
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    return sigaction(signal, &action, nullptr) == 0;
}

void Release(const std::vector<int>& caught) {
    for (int signal : caught) {
        std::signal(signal, SIG_DFL);
    }
}

}  // namespace

JobSignals::JobSignals() {
    std::vector<int> endingSignals(std::begin(kEndingSignals), std::end(kEndingSignals));
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
        endingSignals.push_back(signal);
    }
    for (int signal : endingSignals) {
        if (Catch(signal, OnEndingSignal)) {
            m_caught.push_back(signal);
        }
    }
    m_canStop = Catch(kStopSignal, OnStopSignal);
    if (m_canStop) {
        m_caught.push_back(kStopSignal);
    }
}

JobSignals::~JobSignals() {
    Release(m_caught);
}

int JobSignals::Ending() {
    return g_endingSignal;
}

bool JobSignals::StopAsked() {
    return g_stopAsked != 0;
}

void JobSignals::Stop() {
    // The whole job stops. Where no shell could continue the game (an orphaned process group),
    // the system drops the signal.
    struct sigaction ours = {};
    struct sigaction byDefault = {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    sigaction(kStopSignal, &byDefault, &ours);
    kill(0, kStopSignal);
    // Continued; a stop asked while this one was on its way is done.
    sigaction(kStopSignal, &ours, nullptr);
    g_stopAsked = 0;
}

FaultSignals::FaultSignals(const std::string& restore) {
    g_restoreLength = std::min(restore.size(), sizeof g_restore);
    std::memcpy(g_restore, restore.data(), g_restoreLength);
    stack_t stack = {};
    stack.ss_sp = g_faultStack;
    stack.ss_size = sizeof g_faultStack;
    sigaltstack(&stack, nullptr);
    for (int signal : kFaultSignals) {
        if (Catch(signal, OnFault, SA_RESETHAND | SA_NODEFER | SA_ONSTACK)) {
            m_caught.push_back(signal);
        }
    }
}

FaultSignals::~FaultSignals() {
    Release(m_caught);
}

void RememberShellModes() {
    g_haveShellModes = tcgetattr(STDOUT_FILENO, &g_shellModes) == 0;
}
