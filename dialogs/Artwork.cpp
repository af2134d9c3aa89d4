#include "dialogs/Artwork.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registration function in the scope it is used in, so it has
// to be called from the global namespace.
static void registerFbeResources()
{
    Q_INIT_RESOURCE(fbe);
}

namespace fbe::art {

namespace {
// Registered at program start as well, so that a window using the pictures before any
// dialog exists finds them.
const bool registeredAtStart = (ensureLoaded(), true);
}  // namespace

void ensureLoaded()
{
    static const bool done = (registerFbeResources(), true);
    Q_UNUSED(done);
}

QString glyphPath(int typ)
{
    ensureLoaded();
    switch (typ) {
    case 1: return QString::fromLatin1(Fb4aurel);
    case 2: return QString::fromLatin1(Fb2aurel);
    case 7: return QString::fromLatin1(Fb1aurel);
    case 10: return QString::fromLatin1(Fb3svs);
    case 16: return QString::fromLatin1(Fb16uni);
    case 17: return QString::fromLatin1(Fb17uni);
    default: return {};
    }
}

}  // namespace fbe::art
