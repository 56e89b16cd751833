#pragma once

#include "support/NonCopyable.h"

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

/// Helpers for tests that run a real server on 127.0.0.1.
namespace serverprocess {

/// The full path of an installed program (sbin folders included), or empty.
std::string FindProgram(const std::string& name);
/// A port nobody listens on now, from the kernel's ephemeral range.
int FreePort();
/// True when something takes connections on 127.0.0.1:port.
bool Accepts(int port);
/// Writes a whole file.
void WriteFile(const std::filesystem::path& path, const std::string& text);
/// Makes a self-signed certificate for 127.0.0.1 with openssl:
/// folder/cert.pem (to trust) and folder/key.pem (readable by the server's
/// own users); false when openssl failed.
bool MakeCertificate(const std::filesystem::path& folder);
/// The last bytes of a log file, for a failure message.
std::string Tail(const std::filesystem::path& path, size_t bytes = 600);

} // namespace serverprocess

/// A server program run in the foreground as a child of the test, in a
/// process group of its own, so the test owns it and ends it with all it
/// started, also when the test fails.
class CServerProcess : private CNonCopyable {
public:
    CServerProcess() = default;
    ~CServerProcess() { Stop(); }

    /// Starts argv (argv[0] a full path), its output going to the file
    /// output (never the test's own), and waits up to 30 s until every port
    /// takes connections; false with a reason ending in the output's tail
    /// when the program ended or did not come up.
    bool Start(const std::vector<std::string>& argv, const std::vector<int>& ports, const std::filesystem::path& output,
               std::string& error);
    /// Ends the process group (SIGTERM, SIGKILL after 10 s) and waits until
    /// the ports are free again, so a later server does not race the old one.
    void Stop();
    bool Running() const { return m_pid > 0; }

private:
    pid_t m_pid = -1;
    std::vector<int> m_ports;
};

/// A port on loopback that takes connections (the kernel completes them from
/// the backlog) and never says a word: a server that hangs.
class CSilentListener : private CNonCopyable {
public:
    CSilentListener();
    ~CSilentListener();
    int Port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};
