#include "dialogs/HelpText.h"

namespace fbe::help {

QString html()
{
    return QStringLiteral("<h2>- Hilfe -</h2>");
}

}  // namespace fbe::help
