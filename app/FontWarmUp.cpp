// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FontWarmUp.h"

#ifdef FBE_WITH_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace fbe {

FontWarmUp::FontWarmUp()
{
#ifdef FBE_WITH_FONTCONFIG
    // FcInit loads the configuration once per process; the toolkit's own call then returns
    // at once.
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}

}  // namespace fbe
