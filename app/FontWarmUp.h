// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The system's font configuration, loaded in a thread of its own while the application starts.
//
// The first text a window measures makes the toolkit read the system's font configuration:
// many small files and the font list, several milliseconds before the main window can be
// built. Most of the application's start is spent waiting (for the display, for libraries),
// so the configuration is read beside it; the toolkit later finds it loaded. Where the
// program is built without the font configuration library, nothing happens.
#pragma once

#include <thread>

namespace fbe {

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Returns once the configuration is loaded (at once when it was already).
    void wait();

private:
    std::thread thread_;
};

}  // namespace fbe
