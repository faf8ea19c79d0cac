// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

namespace drawing {

/**
 * Reads the system's font configuration on a thread of its own from construction, so that the
 * start-up goes on meanwhile: on Linux fontconfig's files take about a third of a bare Qt
 * program's start, all before its first text. wait() returns once it is read, and is called
 * before Qt first asks for a font; the destructor waits too. Where the system has no font
 * configuration (Windows, the browser), or no thread can be started, there is nothing to wait
 * for and the font configuration is read on first use, as without this.
 */
class FontConfigurationLoad
{
public:
    FontConfigurationLoad();
    FontConfigurationLoad(const FontConfigurationLoad &) = delete;
    FontConfigurationLoad &operator=(const FontConfigurationLoad &) = delete;
    ~FontConfigurationLoad() { wait(); }

    void wait()
    {
        if (m_reading.joinable())
            m_reading.join();
    }

private:
    std::thread m_reading;
};

} // namespace drawing
