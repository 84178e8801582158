#include "core/windows/shortcutkeys.h"

using namespace Qt::StringLiterals;

namespace Woord::ShortcutKeys {

QString helpText()
{
    const QString lines[] = {
        u"F1 = Help"_s,
        u"F3 = Zoeken && volgende zoeken."_s,
        u"F5 = Vorig begrip in de begrippenlijst."_s,
        u"F6 = Volgend begrip in de begrippenlijst."_s,
        u"F7 = Naar eerste begrip in de begrippenlijst."_s,
        u"F8 = Naar laatste begrip in de begrippenlijst."_s,
        u"CTRL + F = Nieuwe zoekopdracht opgeven."_s,
    };
    QString text;
    for (const QString &line : lines)
        text += line + u"\r\n"_s;
    return text;
}

QString shownText(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&')
                ++i;
            else
                continue;
        }
        shown.append(caption.at(i));
    }
    return shown;
}

} // namespace Woord::ShortcutKeys
