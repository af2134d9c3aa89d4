// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm/ModuleWrite.h"

#include "config/ImageCodec.h"

#include <QCoreApplication>

namespace fbe {

void PrepareModuleWrite(Configuration& cfg)
{
    for (int n = 1; n <= 8; ++n)
        if (cfg.codes[n].function == FnKeine)
            cfg.codes[n].address = 0;
    EncodeImage(cfg);
}

QStringList OutputCheckWarning(const Configuration& cfg)
{
    QStringList unused;
    for (int n = 1; n <= 4; ++n) {
        const CodeSlot& code = cfg.codes[n];
        if (code.function != FnKeine && !code.out1 && !code.out2 && !code.out3 && !code.out4)
            unused << QStringLiteral("Code%1").arg(n);
    }
    if (unused.isEmpty() || cfg.option(opt::Direkt))
        return {};
    return {QCoreApplication::translate("fbe::ModuleWrite", "ACHTUNG!"),
            //: %1: the codes, e.g. "Code1, Code3"
            QCoreApplication::translate("fbe::ModuleWrite",
                                        "bei %1 wurde zwar eine Funktion aktiviert, aber kein "
                                        "Ausgang (out1..out4) selektiert.")
                .arg(unused.join(QStringLiteral(", "))),
            QCoreApplication::translate("fbe::ModuleWrite",
                                        "Überprüfen Sie die Einstellungen und wiederholen Sie "
                                        "gegebenenfalls die Programmierung!")};
}

}  // namespace fbe
