// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cmd_verify.h"

#include "tools/cmd_program.h"

#include "comm/TransferProtocol.h"
#include "config/Configuration.h"
#include "config/ImageCodec.h"
#include "config/Refresh.h"
#include "tools/ToolText.h"

#include <QTextStream>

using namespace fbe;

int runVerifyCommand(const QStringList& args)
{
    const TransferArguments a = parseTransferArguments(args, "verify");
    if (!a.error.isEmpty()) {
        QTextStream(stderr) << "fbe-tool: " << a.error << "\n";
        return 2;
    }
    const QString& file = a.file;
    const QString& port = a.port;

    // The file first: a file that cannot be loaded needs no module.
    Configuration cfg;
    if (!prepareProgramming(cfg, file))
        return 2;
    const Image& expected = cfg.txBuffer;

    const ModuleRead read = readModule(port);
    QTextStream out(stdout);
    if (read.status == 3) {
        printTransferMessage(read.message);
        return 3;
    }
    if (read.status != 0)
        return read.status;

    int differing = 0;
    for (int a = 0; a < 256; ++a) {
        const quint8 module = read.image[size_t(a)];
        const quint8 wanted = expected[size_t(a)];
        if (TransferProtocol::comparedAfterWrite(a) && module != wanted) {
            out << FbeTool::tr("Adresse [%1]: Modul %2, Datei %3").arg(a).arg(int(module)).arg(int(wanted))
                << "\n";
            ++differing;
        }
    }
    // A programming run also fails on a read-back whose checksum is wrong, though the
    // compared bytes match (the checksum covers free bytes as well).
    const bool checksumOk = imageChecksum(read.image) == read.image[img::Checksum];
    if (!checksumOk)
        out << shownResultLine(QString::fromUtf8(ChecksumErrorText)) << "\n";
    if (differing == 0 && checksumOk) {
        out << FbeTool::tr("Modul und Datei stimmen überein") << "\n";
        return 0;
    }
    if (differing > 0)
        out << (differing == 1 ? FbeTool::tr("1 Adresse weicht ab")
                               : FbeTool::tr("%1 Adressen weichen ab").arg(differing))
            << "\n";
    return 1;
}
