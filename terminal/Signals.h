#pragma once

#include <string>
#include <vector>

// The game's signal handlers, each set only where nobody else handles or ignores the signal, and
// the default again when its owner goes.

// The signals that end programs and the stop signal of job control, caught while this lives.
// An ending signal ends the game as if it were closed, and then the program, as the signal
// would have; a stop stops the game until it is continued.
class JobSignals {
public:
    JobSignals();
    ~JobSignals();
    JobSignals(const JobSignals&) = delete;
    JobSignals& operator=(const JobSignals&) = delete;

    // The signal that ended the game, 0 if none did.
    static int Ending();
    // Whether a stop signal came that the game has not stopped for yet.
    static bool StopAsked();
    // Whether the game can stop: stop signals were not ignored when it started, as some shells
    // without job control ignore them.
    bool CanStop() const { return m_canStop; }
    // Stops the game with its whole job, as the terminal stops a job at Ctrl+Z when it is not
    // raw, and returns when it is continued.
    void Stop();

private:
    bool m_canStop = false;
    std::vector<int> m_caught;
};

// The signals whose default is to end the program with a core dump, caught while this lives:
// their handler puts the terminal back with the bytes given, made before they are needed, and
// with the shell's modes, then the signal ends the game as it would have.
class FaultSignals {
public:
    explicit FaultSignals(const std::string& restore);
    ~FaultSignals();
    FaultSignals(const FaultSignals&) = delete;
    FaultSignals& operator=(const FaultSignals&) = delete;

private:
    std::vector<int> m_caught;
};

// The terminal's modes as the shell has them now, which a fault's handler puts back.
void RememberShellModes();
