#pragma once

#include <initializer_list>

// Turns the given signals into readable data on a file descriptor, so that the event loop's
// poll wakes on them like on any other input. Blocks them for the thread (and any thread made
// later) from construction on.
class SignalFd {
public:
    explicit SignalFd(std::initializer_list<int> signals);
    // Closes the descriptor but leaves the signals blocked: one arriving while the program winds
    // down must not kill it with another exit status.
    ~SignalFd();
    SignalFd(const SignalFd&) = delete;
    SignalFd& operator=(const SignalFd&) = delete;

    // -1 when the descriptor could not be made.
    int Fd() const { return m_fd; }
    // Consumes one pending signal; its number, or 0 when none was pending.
    int Take() const;

private:
    int m_fd;
};
