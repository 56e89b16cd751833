#pragma once

#include <functional>
#include <thread>

#include <csignal>

/// While it lives, SIGINT and SIGTERM no longer end the process: each calls
/// onSignal, on a thread of its own (a signal handler may do next to
/// nothing), so a command that runs until it is stopped can end cleanly.
/// One at a time; the earlier handling comes back with its end.
class CStopSignals {
public:
    explicit CStopSignals(std::function<void()> onSignal);
    ~CStopSignals();
    CStopSignals(const CStopSignals&) = delete;
    CStopSignals& operator=(const CStopSignals&) = delete;

private:
    void Wait();

    std::function<void()> m_onSignal;
    int m_pipe[2] = {-1, -1};
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
    std::thread m_waiter;
};
