#include "ui/widgets/designfonts.h"

#include <QFontDatabase>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Woord {

namespace {

bool hasFamily(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

} // namespace

DesignFonts::DesignFonts()
{
    // Tahoma's look-alike comes with Wine's fonts (Debian's fonts-wine), which
    // lie in the system's data folders outside its font configuration. Only
    // the regular face: its bold companion there draws thin and wide, while a
    // bold made from the regular face keeps the widths.
    if (!hasFamily(u"Tahoma"_s)) {
        const QString face = QStandardPaths::locate(QStandardPaths::GenericDataLocation, u"wine/fonts/tahoma.ttf"_s);
        if (!face.isEmpty())
            QFontDatabase::addApplicationFont(face);
    }
    if (!hasFamily(u"Tahoma"_s) && hasFamily(u"DejaVu Sans"_s))
        standIn(u"Tahoma"_s, u"DejaVu Sans"_s);
    // The MS Sans Serif of Wine's fonts is a bitmap face: it cannot grow with
    // the screen's scale, and on a high-DPI screen draws small letters spread
    // apart. Liberation Sans, an outline face, drawn 4 % narrower has its
    // widths at 8 points to within a pixel or two a word.
    if (!hasFamily(u"MS Sans Serif"_s) && hasFamily(u"Liberation Sans"_s)) {
        standIn(u"MS Sans Serif"_s, u"Liberation Sans"_s);
        m_sansSerifStretch = 96;
    }
    if (!hasFamily(u"Arial"_s) && hasFamily(u"Liberation Sans"_s))
        standIn(u"Arial"_s, u"Liberation Sans"_s);
    if (!hasFamily(u"Courier New"_s) && hasFamily(u"Liberation Mono"_s))
        standIn(u"Courier New"_s, u"Liberation Mono"_s);
}

void DesignFonts::standIn(const QString &design, const QString &lookAlike)
{
    QFont::insertSubstitution(design, lookAlike);
    m_lookAlikes.insert(design.toLower(), lookAlike);
}

QString DesignFonts::family(const QString &design) const
{
    return m_lookAlikes.value(design.toLower(), design);
}

QFont DesignFonts::font(const QString &design, double points, bool bold) const
{
    QFont f(family(design));
    f.setPointSizeF(points);
    f.setBold(bold);
    // Set for every family, so that a control's font never takes the
    // narrower width from the window's.
    f.setStretch(design.compare(u"MS Sans Serif"_s, Qt::CaseInsensitive) == 0 ? m_sansSerifStretch
                                                                              : int(QFont::Unstretched));
    return f;
}

} // namespace Woord
