#include "mainwindow/designfonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

using namespace Qt::StringLiterals;

namespace Woord::DesignFonts {

namespace {

bool hasFamily(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// Debian's fonts-wine keeps its fonts outside the font configuration.
void addFromFolder(const QString &family, const QStringList &files)
{
    if (hasFamily(family))
        return;
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(u"/usr/share/wine/fonts/"_s + file);
}

void substitute(const QString &family, const QString &lookAlike)
{
    if (!hasFamily(family) && hasFamily(lookAlike))
        QFont::insertSubstitution(family, lookAlike);
}

} // namespace

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // Only the regular face: its bold companion there draws thin and wide,
    // while a bold made from the regular face keeps the widths.
    addFromFolder(u"Tahoma"_s, {u"tahoma.ttf"_s});
    addFromFolder(u"MS Sans Serif"_s, {u"ms_sans_serif.ttf"_s});
    substitute(u"Tahoma"_s, u"DejaVu Sans"_s);
    substitute(u"MS Sans Serif"_s, u"Liberation Sans"_s);
    substitute(u"Arial"_s, u"Liberation Sans"_s);
    substitute(u"Courier New"_s, u"Liberation Mono"_s);
}

QFont font(const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont tahoma(double points, bool bold)
{
    return font(u"Tahoma"_s, points, bold);
}

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect twips(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace Woord::DesignFonts
