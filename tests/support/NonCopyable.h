#pragma once

/// A base for the test helpers that own something outside the program (a
/// folder, a server process, a limit or setting of the process): one object
/// owns it, so copying is ruled out once here instead of in every helper.
class CNonCopyable {
public:
    CNonCopyable(const CNonCopyable&) = delete;
    CNonCopyable& operator=(const CNonCopyable&) = delete;

protected:
    CNonCopyable() = default;
    ~CNonCopyable() = default;
};
