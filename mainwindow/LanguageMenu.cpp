// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/LanguageMenu.h"

#include "config/Language.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>

namespace fbe {

LanguageMenu::LanguageMenu(QMenu& settings) : QMenu(&settings)
{
    setObjectName(QStringLiteral("MSprache"));
    settings.addSeparator();
    settings.addMenu(this);
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    auto item = [this, group](const char* name, const QString& choice) {
        QAction* a = addAction(QString());
        a->setObjectName(QLatin1String(name));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, choice] { setChoice(choice); });
        return a;
    };
    MSystemLanguage = item("MSystemLanguage", QString());
    MGerman = item("MGerman", QStringLiteral("de"));
    MEnglish = item("MEnglish", QStringLiteral("en"));
    MSystemLanguage->setChecked(true);
    // The languages are named in their own words, whatever the language in use.
    MGerman->setText(QStringLiteral("Deutsch"));
    MEnglish->setText(QStringLiteral("English"));
    retranslateUi();
}

void LanguageMenu::retranslateUi()
{
    setTitle(tr("&Sprache"));
    MSystemLanguage->setText(tr("wie System"));
}

void LanguageMenu::changeEvent(QEvent* event)
{
    QMenu::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

QAction* LanguageMenu::itemOf(const QString& choice) const
{
    if (choice == QLatin1String("de"))
        return MGerman;
    if (choice == QLatin1String("en"))
        return MEnglish;
    return MSystemLanguage;
}

QString LanguageMenu::choice() const
{
    if (MGerman->isChecked())
        return QStringLiteral("de");
    if (MEnglish->isChecked())
        return QStringLiteral("en");
    return {};
}

void LanguageMenu::setChoice(const QString& choice)
{
    itemOf(choice)->setChecked(true);
    language::use(language::choose(this->choice(), language::desktopLanguages()));
}

}  // namespace fbe
