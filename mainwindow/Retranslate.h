// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that the main window's parts set in code, set again when the language changes.
//
//   retranslateWith(menu, [this] { item->setText(tr("&Drucken ...")); });
//
// apply() runs at once and again whenever watched gets QEvent::LanguageChange (every widget
// gets it, a menu too, when another language is put into use). The hook lives as long as
// watched.
#pragma once

#include <functional>

class QWidget;

namespace fbe {

void retranslateWith(QWidget* watched, std::function<void()> apply);

}  // namespace fbe
