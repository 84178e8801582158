#pragma once

#include "core/platform/platform.h"

#include <QString>

// The documents, web pages and mail message the program hands to the shell,
// and the two information messages of the menus.
namespace Woord::Links {

// The local help file: the program's folder and "woordorakelaar.htm".
QString localHelpFile(const QString &dataMap);

QString helpPage();
QString glossaryPage();
QString programPage();
QString siteHome();
// "mailto:" with the subject "<title>.<revision>" and the body "Hallo,",
// without any escaping.
QString mailTarget(const QString &programmaTitel, int revision);

Message helpMissing(const QString &title, const QString &dataMap);
// The shell could not open a file or address: it names what it was.
Message openFailed(const QString &title, const QString &target);
Message glossaryInformation(const QString &databaseDatum, qint32 aantalBegrippen);
Message sources();

} // namespace Woord::Links
