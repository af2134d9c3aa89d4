#include "config/AddressLimit.h"

namespace fbe {

QString msgAddressLimited()
{
    return QStringLiteral(" Adresse wurde begrenzt !!!");
}

QString msgAddressBeyondMax(int code)
{
    return QStringLiteral(" CODE %1: Adresse größer als max. Adresse").arg(code);
}

bool LimitAddressesToCodeLength(Configuration& cfg)
{
    const quint64 max = maxAddressForBits(cfg.current().bits);
    bool changed = false;
    for (int n = 1; n <= 8; ++n) {
        if (cfg.codes[n].address > max) {
            cfg.codes[n].address = max;
            changed = true;
        }
    }
    return changed;
}

QStringList AddressesBeyondCodeLength(const Configuration& cfg)
{
    QStringList lines;
    if (cfg.parallelCodes)
        return lines;
    const quint64 max = maxAddressForBits(cfg.current().bits);
    for (int n = 1; n <= 8; ++n) {
        const CodeSlot& code = cfg.codes[n];
        if (code.function != FnKeine && code.address > max)
            lines << msgAddressBeyondMax(n);
    }
    return lines;
}

}  // namespace fbe
