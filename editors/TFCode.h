// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The code and function editor's class TFCode lives in UCode.h.
#pragma once

#include "editors/UCode.h"
