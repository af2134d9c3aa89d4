// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/Retranslate.h"

#include <QEvent>
#include <QWidget>

namespace fbe {

namespace {

class Retranslator : public QObject {
public:
    Retranslator(QWidget* watched, std::function<void()> apply)
        : QObject(watched), apply_(std::move(apply))
    {
        watched->installEventFilter(this);
        apply_();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            apply_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> apply_;
};

}  // namespace

void retranslateWith(QWidget* watched, std::function<void()> apply)
{
    new Retranslator(watched, std::move(apply));
}

}  // namespace fbe
