#pragma once

// Progress of a long headless run (cascadium-sim, cascadium-soak), for a person watching.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

// Whole seconds as h:mm:ss.
inline std::string ClockText(std::uint64_t seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02u:%02u", static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
    return text;
}

// "0:01:40 of 0:10:00 simulated (16%), about 0:00:25 left": the remaining real time assumes
// the rest runs as fast as what is done.
inline std::string ProgressText(std::uint64_t doneMs, std::uint64_t totalMs, double realSeconds)
{
    std::string text = ClockText(doneMs / 1000) + " of " + ClockText(totalMs / 1000) + " simulated ("
                       + std::to_string(totalMs == 0 ? 100 : doneMs * 100 / totalMs) + "%)";
    if (doneMs == 0) return text;
    const double left = realSeconds * static_cast<double>(totalMs - doneMs) / static_cast<double>(doneMs);
    return text + ", about " + ClockText(static_cast<std::uint64_t>(left + 0.5)) + " left";
}

// One line on stderr that rewrites itself a few times a second, erased again when the run
// ends. Nothing at all when stderr is not a terminal, so logs and pipes see only the output.
class RunProgress {
public:
    // `wanted`: false when the caller's own output shares the terminal line by line.
    RunProgress(const char* program, std::uint64_t totalMs, bool wanted = true)
        : m_program(program),
          m_totalMs(totalMs),
          m_shown(wanted && isatty(STDERR_FILENO) == 1)
    {}
    ~RunProgress() { Erase(); }
    RunProgress(const RunProgress&) = delete;
    RunProgress& operator=(const RunProgress&) = delete;

    // The first report shows at once, later ones at most every quarter second.
    void Report(std::uint64_t doneMs)
    {
        if (!m_shown) return;
        const auto now = std::chrono::steady_clock::now();
        if (m_onScreen && now - m_lastShown < std::chrono::milliseconds(250)) return;
        m_lastShown = now;
        m_onScreen = true;
        const double real = std::chrono::duration<double>(now - m_start).count();
        std::fprintf(stderr, "\r%s: %s\033[K", m_program, ProgressText(doneMs, m_totalMs, real).c_str());
    }

    // Clears the line, for output of its own; the next report draws it again.
    void Erase()
    {
        if (!m_onScreen) return;
        std::fputs("\r\033[K", stderr);
        m_onScreen = false;
    }

private:
    const char* m_program;
    std::uint64_t m_totalMs;
    bool m_shown;
    bool m_onScreen = false;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point m_lastShown;
};
