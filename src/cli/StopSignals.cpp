#include "cli/StopSignals.h"

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe's writing end for the handler; -1 when no one listens.
std::atomic<int> g_signalPipe{-1};

constexpr char kSignalled = 's';
constexpr char kQuit = 'q';

// Only what is safe in a handler: one write to a pipe that never blocks.
void OnStopSignal(int)
{
    const int saved = errno;
    const int fd = g_signalPipe.load();
    if (fd >= 0) {
        const char byte = kSignalled;
        [[maybe_unused]] const ssize_t written = write(fd, &byte, 1);
    }
    errno = saved;
}

} // namespace

CStopSignals::CStopSignals(std::function<void()> onSignal) : m_onSignal(std::move(onSignal))
{
    if (pipe2(m_pipe, O_CLOEXEC) != 0)
        return;
    fcntl(m_pipe[1], F_SETFL, O_NONBLOCK);
    g_signalPipe = m_pipe[1];
    m_waiter = std::thread([this] { Wait(); });
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &m_oldInt);
    sigaction(SIGTERM, &action, &m_oldTerm);
}

CStopSignals::~CStopSignals()
{
    if (m_pipe[0] < 0)
        return;
    sigaction(SIGINT, &m_oldInt, nullptr);
    sigaction(SIGTERM, &m_oldTerm, nullptr);
    g_signalPipe = -1;
    // A blocking write: the quit must reach the waiter even when signals
    // filled the pipe.
    fcntl(m_pipe[1], F_SETFL, 0);
    const char byte = kQuit;
    while (write(m_pipe[1], &byte, 1) < 0 && errno == EINTR) {
    }
    m_waiter.join();
    close(m_pipe[0]);
    close(m_pipe[1]);
}

void CStopSignals::Wait()
{
    for (;;) {
        char byte = 0;
        const ssize_t got = read(m_pipe[0], &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || byte == kQuit)
            return;
        m_onSignal();
    }
}
