// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirstShow.h"

#include "dialogs/ScreenFit.h"

#include <QImage>
#include <QWidget>

namespace fbe {

void prepareFirstShow(QWidget& mainWindow)
{
    if (mainWindow.isVisible())
        return;
    // An image of the depth the window system draws into, so that the pictures of the
    // letters are made in the form the first paint uses.
    QImage scratch(mainWindow.sizeHint(), QImage::Format_ARGB32_Premultiplied);
    if (!scratch.isNull())
        mainWindow.render(&scratch);
    for (QWidget* window : mainWindow.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (window->isWindow() && !window->isVisible())
            ScreenFit::outerSize(window);
    }
}

}  // namespace fbe
