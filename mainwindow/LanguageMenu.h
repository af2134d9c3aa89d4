// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The submenu "&Sprache" at the end of "&Einstellungen", after a separator: "wie System",
// "Deutsch", "English", one of them checked. A choice takes effect at once: the catalogues
// change and every window gets QEvent::LanguageChange. The choice is kept in settings line 9
// ("", "de", "en"); the main window reads it at start and writes it at the end.
#pragma once

#include <QMenu>

class QAction;

namespace fbe {

class LanguageMenu : public QMenu {
    Q_OBJECT
public:
    // Adds the separator and the submenu to the end of settings.
    explicit LanguageMenu(QMenu& settings);

    // "" (the desktop's language), "de" or "en".
    QString choice() const;
    // Checks the item of the choice (any other text: "wie System") and puts the language it
    // stands for into use.
    void setChoice(const QString& choice);

    QAction* MSystemLanguage = nullptr;   // "wie System"
    QAction* MGerman = nullptr;           // "Deutsch"
    QAction* MEnglish = nullptr;          // "English"

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    QAction* itemOf(const QString& choice) const;
};

}  // namespace fbe
