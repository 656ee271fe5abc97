#include "x11/SignalFd.h"

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

int OpenSignalFd(std::initializer_list<int> signals)
{
    sigset_t set;
    sigemptyset(&set);
    for (int s : signals) sigaddset(&set, s);
    if (sigprocmask(SIG_BLOCK, &set, nullptr) != 0) return -1;
    return signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
}

}  // namespace

SignalFd::SignalFd(std::initializer_list<int> signals) : m_fd(OpenSignalFd(signals)) {}

SignalFd::~SignalFd()
{
    if (m_fd >= 0) close(m_fd);
}

int SignalFd::Take() const
{
    signalfd_siginfo info{};
    if (read(m_fd, &info, sizeof info) != static_cast<ssize_t>(sizeof info)) return 0;
    return static_cast<int>(info.ssi_signo);
}
