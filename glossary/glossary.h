#pragma once

#include <QList>
#include <QString>

namespace Woord {

// One glossary entry, decoded.
struct BegripRecord {
    QString Begrip;
    QString Beschrijving;

    friend bool operator==(const BegripRecord &, const BegripRecord &) = default;
};

// A loaded glossary: record 0 of Begrippen exists and stays empty; records
// 1..AantalBegrippen hold the entries in file order.
struct Glossary {
    QList<BegripRecord> Begrippen{BegripRecord{}};
    qint32 AantalBegrippen = 0;
    qint32 startIndex = 0; // as stored in the file; start-up never uses it
    QString DatabaseDatum;
};

inline constexpr qint32 maxAantalBegrippen = 32767;

// The first field of every glossary file, compared case-sensitively.
inline constexpr char16_t headerText[] = u";woordorakelaar databestand, verander niets aan de indeling a.u.b.";

} // namespace Woord
