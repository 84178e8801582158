#pragma once

#include <QString>

// The texts of the About window.
namespace Woord::AboutTexts {

// "Woordorakelaar v1.0.4 © ..." : the title, ".", the revision and the notice.
QString heading(const QString &programmaTitel, int revision);
QString copyrightNotice();
QString freewareNotice();
QString dateLine(const QString &databaseDatum);
QString countLine(qint32 aantalBegrippen);

} // namespace Woord::AboutTexts
