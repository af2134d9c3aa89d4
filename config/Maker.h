// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's contact texts, shown by the main window, the information, help and
// transmitter selection windows, and written into the signature line of every file.
#pragma once

namespace fbe::maker {

inline constexpr char Company[] = "Varnel Funktechnik GmbH";
inline constexpr char Email[] = "info@varnel-funk.de";
inline constexpr char Web[] = "www.varnel-funk.de";
inline constexpr char WebUrl[] = "https://www.varnel-funk.de";
inline constexpr char Street[] = "Industriestraße 14";
inline constexpr char Town[] = "D-74321 Lindenau";
inline constexpr char Phone[] = "Tel.: +49 (0) 7141 / 5550-0";
inline constexpr char Fax[] = "Fax: +49 (0) 7141 / 5550-99";

}  // namespace fbe::maker
