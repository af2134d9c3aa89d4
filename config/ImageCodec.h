// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between the configuration and the 256-byte EEPROM image.
#pragma once

#include "config/Configuration.h"

#include <QtGlobal>

namespace fbe {

// Mode check before encoding: byte 82 from the code mode; in parallel mode pruefanzahl is
// lowered to 1 and the checksum option cleared unless the current record's typ is 16.
// (The main window shows or hides its parallel-code panel from cfg.parallelCodes.)
void EndCheck(Configuration& cfg);

// Builds the send image from the configuration, stores the checksum and copies the image
// into the transmit buffer.
void EncodeImage(Configuration& cfg);

// The message of an image whose checksum is wrong, kept in German like every message of a
// transfer (shownResultLine() in config/Refresh.h gives it for display).
inline constexpr char ChecksumErrorText[] =
    QT_TRANSLATE_NOOP("Refresh", "EEPROM-Fehler (checksum)");

// Decodes the receive buffer: copies it into the read-back image, sets the configuration
// from it and copies the send-image-only bytes over. On a checksum mismatch sets
// cfg.transfer.transferFailed and the message "EEPROM-Fehler (checksum)"; the configuration
// stays as decoded. Returns true when the checksum matched.
bool DecodeImage(Configuration& cfg);

// Horizontal position of the code-position marker for a dirshift value.
inline int codeposX(int dirshift) { return 318 - 7 * dirshift; }

}  // namespace fbe
