// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The system's serial adapters in the menu "&COM port auswählen": listed below COM1 .. COM4
// with their description, greyed with the reason when they cannot be opened, chosen as the
// port in use, and a port that is gone by the time it is chosen.
#include "FakeSeam.h"
#include "comm/CommTestSupport.h"

#include "comm/SerialPortService.h"
#include "comm/TFrs232.h"
#include "config/Configuration.h"
#include "dialogs/Uwarnung.h"
#include "mainwindow/Forms.h"
#include "mainwindow/PortMenu.h"
#include "mainwindow/TFFBmain.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

using namespace fbe;
using commtest::ComMapping;
using commtest::SimProcess;
using commtest::Terminal;
using fbe::test::FakeSeam;

namespace {

struct PortMenuTest : ::testing::Test {
    QTemporaryDir dir;
    Configuration cfg;
    FakeSeam seam;
    Forms forms;
    std::unique_ptr<TFFBmain> w;
    TFrs232* rs = nullptr;

    void SetUp() override
    {
        w = std::make_unique<TFFBmain>(cfg, seam, forms);
        forms.Fwarnung = new TFwarnung(cfg, seam, forms, w.get());
        forms.Frs232 = rs = new TFrs232(cfg, seam, forms, w.get());
        w->connectForms();
        w->inittimer->stop();
        w->FormPaint();
        // The transfer window runs until it closes itself.
        seam.defaultAnswer = [this](QDialog& d) {
            if (&d == rs) {
                EXPECT_TRUE(commtest::runUntil([&] { return !d.isVisible(); }, 20000));
            }
        };
    }
    void TearDown() override { w.reset(); }

    void openMenu() { emit w->MKomm->aboutToShow(); }
    QAction* item(const QString& text) const
    {
        for (QAction* a : w->Mport->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }
    QStringList texts() const
    {
        QStringList t;
        for (QAction* a : w->Mport->actions())
            t << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return t;
    }
    QStringList checked() const
    {
        QStringList t;
        for (QAction* a : w->Mport->actions())
            if (a->isChecked())
                t << a->text();
        return t;
    }
};

// The menu "&Kommunikation" with "&COM port auswählen" open, drawn over the main window
// (offscreen, every popup is a window of its own).
void saveMenuPicture(TFFBmain& w, QAction* hovered, const QString& file)
{
    w.show();
    QApplication::processEvents();
    QMenuBar* bar = w.menuBar();
    const QRect komm = bar->actionGeometry(w.MKomm->menuAction());
    w.MKomm->popup(bar->mapToGlobal(komm.bottomLeft()));
    QApplication::processEvents();
    w.MKomm->setActiveAction(w.Mport->menuAction());
    const QRect portItem = w.MKomm->actionGeometry(w.Mport->menuAction());
    w.Mport->popup(w.MKomm->mapToGlobal(portItem.topRight() + QPoint(-4, -4)));
    QApplication::processEvents();
    w.Mport->setActiveAction(hovered);
    QApplication::processEvents();

    const QPoint origin = w.mapToGlobal(QPoint(0, 0));
    QPixmap picture = w.grab();
    QPainter painter(&picture);
    QRect used(QPoint(0, 0), QSize(10, bar->height()));
    for (QMenu* menu : {w.MKomm, w.Mport}) {
        const QRect r(menu->mapToGlobal(QPoint(0, 0)) - origin, menu->size());
        painter.drawPixmap(r.topLeft(), menu->grab());
        used |= r;
    }
    painter.end();
    picture.copy(QRect(0, 0, used.right() + 16, used.bottom() + 16)).save(file);
    w.Mport->hide();
    w.MKomm->hide();
}

}  // namespace

TEST_F(PortMenuTest, AdaptersAreOfferedChosenAndUsedAndAVanishedOneFallsBack)
{
    if (!QFileInfo::exists(commtest::binDir() + QStringLiteral("/fbe-module-sim")))
        GTEST_SKIP() << "fbe-module-sim not built";
    SimProcess sim;
    ASSERT_TRUE(sim.ok());
    Terminal com1;
    ComMapping map1(1, com1.device());
    ComMapping map2(2, dir.filePath(QStringLiteral("no-com2")));
    // An FTDI adapter (the simulated module behind it) with its by-id link, and one unplugged.
    const QString byId = dir.filePath(QStringLiteral("by-id/usb-FTDI_FT232R_USB_UART_A12345-if00-port0"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("by-id"))));
    ASSERT_TRUE(QFile::link(sim.device(), byId));
    const QString unplugged = dir.filePath(QStringLiteral("ttyUSB8"));
    seam.serialPorts.ports = {
        {QStringLiteral("ttyUSB7"), sim.device(), QStringLiteral("FT232R USB UART"),
         QStringLiteral("FTDI"), QStringLiteral("A12345"), 0x0403, 0x6001},
        {QStringLiteral("ttyUSB8"), unplugged, QStringLiteral("USB-Serial Controller & Co"),
         QString(), QString(), {}, {}},
    };
    seam.serialPorts.links = {{byId, QFileInfo(sim.device()).canonicalFilePath(), true}};
    w->MCom3Click();

    openMenu();
    EXPECT_EQ(texts(), (QStringList{"COM&1", "COM&2", "COM&3", "COM&4", "-",
                                    "ttyUSB7 - FT232R USB UART",
                                    "ttyUSB8 - USB-Serial Controller && Co"}));
    QAction* ftdi = item(QStringLiteral("ttyUSB7 - FT232R USB UART"));
    QAction* gone = item(QStringLiteral("ttyUSB8 - USB-Serial Controller && Co"));
    ASSERT_TRUE(ftdi && gone);
    EXPECT_TRUE(w->MCom1->isEnabled());
    EXPECT_TRUE(ftdi->isEnabled());
    EXPECT_TRUE(ftdi->toolTip().contains(QStringLiteral("fester Name: ") + byId));
    EXPECT_TRUE(ftdi->toolTip().contains(QStringLiteral("USB-Kennung (VID:PID): 0403:6001")));
    // A greyed item says why.
    EXPECT_FALSE(gone->isEnabled());
    EXPECT_TRUE(gone->toolTip().startsWith(unplugged + QStringLiteral(": Gerät nicht vorhanden")));
    EXPECT_FALSE(w->MCom2->isEnabled());
    EXPECT_TRUE(w->MCom2->toolTip().startsWith(dir.filePath(QStringLiteral("no-com2"))
                                               + QStringLiteral(": Gerät nicht vorhanden")));
    EXPECT_EQ(checked(), QStringList{"COM&3"});
    EXPECT_FALSE(rs->RS232().isOpen());

    // Chosen: the status line names it, its hint says what it is, the transfer uses it.
    ftdi->trigger();
    EXPECT_EQ(w->systemPort.path(), byId);
    EXPECT_EQ(w->ShowCom->text(), QStringLiteral("ttyUSB7"));
    EXPECT_EQ(w->ShowCom->toolTip(), QStringLiteral("derzeit benützte serielle Schnittstelle (")
                                         + sim.device() + QStringLiteral(" - FT232R USB UART)"));
    EXPECT_EQ(checked(), QStringList{"ttyUSB7 - FT232R USB UART"});
    EXPECT_EQ(w->comPortName, QStringLiteral("COM3"));
    w->ReadButton->click();
    EXPECT_EQ(w->Info->toPlainText(), QStringLiteral("Übertragung erfolgreich"));

    // The menu read again keeps the check on the port in use.
    openMenu();
    EXPECT_EQ(checked(), QStringList{"ttyUSB7 - FT232R USB UART"});
    const QString shots = qEnvironmentVariable("FBE_SHOT_DIR");
    if (!shots.isEmpty())
        saveMenuPicture(*w, ftdi, shots + QStringLiteral("/port-menu.png"));

    // Unplugged after the menu opened: the choice falls back to the COM name, and says so.
    ASSERT_TRUE(QFile::remove(byId));
    item(QStringLiteral("ttyUSB7 - FT232R USB UART"))->trigger();
    EXPECT_TRUE(w->systemPort.isEmpty());
    EXPECT_EQ(w->Info->toPlainText(), QStringLiteral("Übertragung erfolgreich\n Schnittstelle ")
                                          + byId + QStringLiteral(" nicht gefunden --> COM3"));
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_EQ(w->ShowCom->text(), QStringLiteral("COM3"));
    EXPECT_EQ(checked(), QStringList{"COM&3"});

    // Back to a COM item from a system port (the adapter plugged in again, its link gone).
    seam.serialPorts.links.clear();
    openMenu();
    item(QStringLiteral("ttyUSB7 - FT232R USB UART"))->trigger();
    EXPECT_EQ(w->ShowCom->text(), QStringLiteral("ttyUSB7"));
    w->MCom1->trigger();
    EXPECT_TRUE(w->systemPort.isEmpty());
    EXPECT_EQ(checked(), QStringList{"COM&1"});
    EXPECT_EQ(w->ShowCom->text(), QStringLiteral("COM1"));
}
