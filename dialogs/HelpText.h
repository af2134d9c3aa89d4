// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the help window.
#pragma once

#include <QString>

namespace fbe::help {

// The whole help text as HTML, headings and numbered sections included.
QString html();

}  // namespace fbe::help
