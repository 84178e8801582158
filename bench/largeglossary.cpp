#include "bench/largeglossary.h"

#include "tools/wodpack.h"

#include <QRandomGenerator>
#include <QStringList>

namespace Woord::Bench {

QByteArray largestGlossary(int entries, int descriptionLength)
{
    const QStringList words = {
        QStringLiteral("gegevens"),      QStringLiteral("computer"), QStringLiteral("netwerk"),
        QStringLiteral("geïnstalleerd"), QStringLiteral("café"),     QStringLiteral("efficiënt"),
        QStringLiteral("R&D"),           QStringLiteral("de"),       QStringLiteral("een"),
        QStringLiteral("programma"),     QStringLiteral("bestand"),  QStringLiteral("opslag,"),
        QStringLiteral("verbinding."),   QStringLiteral("INTERNET"), QStringLiteral("processor"),
    };
    QRandomGenerator random(20261209);
    QList<WodPack::SourceEntry> list;
    list.reserve(entries);
    for (int i = 0; i < entries; ++i) {
        WodPack::SourceEntry entry;
        entry.term = QStringLiteral("Begrip %1").arg(i, 5, 10, QLatin1Char('0'));
        while (entry.description.size() < descriptionLength)
            entry.description += words.at(random.bounded(words.size())) + QLatin1Char(' ');
        entry.description.truncate(descriptionLength);
        list.append(entry);
    }
    return WodPack::pack(list, QStringLiteral("09/12/2026"));
}

} // namespace Woord::Bench
