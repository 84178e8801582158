#include "core/mainwindow/statushelp.h"

using namespace Qt::StringLiterals;

namespace Woord::StatusHelp {

QString textFor(const QString &controlName)
{
    for (const Entry &entry : texts) {
        if (controlName == QStringView(entry.control))
            return QString::fromUtf16(entry.text);
    }
    return {};
}

QString textFor(const QString &controlName, const QString &term)
{
    return textFor(controlName).replace(u"<Begrip>"_s, term);
}

} // namespace Woord::StatusHelp
