#include "core/platform/messagedisplay.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Woord {

QString messageDisplayText(const QString &text)
{
    QStringList lines = QString(text).replace(u"\r\n"_s, u"\n"_s).split(u'\n');
    for (QString &line : lines) {
        if (line.size() > longestMessageLine)
            line = line.first(longestMessageLine / 2) + u" \u2026 "_s + line.last(longestMessageLine / 2);
    }
    return lines.join(u'\n');
}

} // namespace Woord
