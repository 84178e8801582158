#pragma once

#include <QFont>
#include <QHash>
#include <QString>

namespace Woord {

// The fonts the windows are laid out for: Tahoma, Arial, MS Sans Serif and
// Courier New. Where the system lacks one, a metric-compatible look-alike
// stands in, so that texts fit their boxes as laid out. Made once, in
// main(), after the application object, and handed to the windows.
class DesignFonts
{
public:
    DesignFonts();

    // The family a design font is asked for by: the family itself, or where
    // the system lacks it, its look-alike (asked for by its own name, a
    // family the system lacks would first be sought among all its fonts).
    QString family(const QString &design) const;

    QFont font(const QString &design, double points, bool bold = false) const;
    QFont tahoma(double points, bool bold = false) const { return font(QStringLiteral("Tahoma"), points, bold); }

private:
    void standIn(const QString &design, const QString &lookAlike);

    QHash<QString, QString> m_lookAlikes; // by the lower-case design family
    int m_sansSerifStretch = QFont::Unstretched; // how wide the stand-in for MS Sans Serif is drawn, in percent
};

} // namespace Woord
