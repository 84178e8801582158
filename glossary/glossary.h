#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace Woord {

// One glossary entry, decoded.
struct BegripRecord {
    QString Begrip;
    QString Beschrijving;

    friend bool operator==(const BegripRecord &, const BegripRecord &) = default;
};

inline constexpr qint32 maxAantalBegrippen = 32767;

// The first field of every glossary file, compared case-sensitively.
inline constexpr char16_t headerText[] = u";woordorakelaar databestand, verander niets aan de indeling a.u.b.";

// A loaded glossary: the term table. Record 0 exists and stays empty; records
// 1..AantalBegrippen hold the entries in file order.
//
// The table keeps the file's bytes as they are stored, scrambled, and where
// each text lies in them; a text is decoded when it is asked for. Loading even
// the largest glossary so costs one pass over the file.
class Glossary
{
public:
    Glossary() = default;

    qint32 AantalBegrippen = 0;
    qint32 startIndex = 0; // as stored in the file; start-up never uses it
    QString DatabaseDatum;

    // Record i (0..AantalBegrippen); any other index gives an empty record.
    BegripRecord Begrippen(qint32 i) const;
    QString Begrip(qint32 i) const;
    QString Beschrijving(qint32 i) const;

    // The stored (scrambled) bytes of a term or description; both are views
    // into storedBytes(), which holds the entries in order.
    QByteArrayView termBytes(qint32 i) const;
    QByteArrayView descriptionBytes(qint32 i) const;
    QByteArrayView storedBytes() const { return m_bytes; }

    // Used by the loader: takes the bytes, then one span per text.
    void adoptBytes(QByteArray bytes);
    // Lets go of what follows the last entry, which nothing reads.
    void dropBytesAfter(qsizetype end);
    void reserve(qint32 entries);
    void appendEntry(qsizetype termStart, qsizetype termLength, qsizetype descriptionStart,
                     qsizetype descriptionLength);
    // Drops every entry (a failed load never hands out part of a table).
    void clearEntries();
    qint32 entryCount() const { return static_cast<qint32>(m_entries.size()); }

private:
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    struct Entry {
        Span term;
        Span description;
    };

    QByteArrayView view(const Span &span) const { return QByteArrayView(m_bytes).sliced(span.start, span.length); }
    bool holds(qint32 i) const { return i >= 1 && i <= m_entries.size(); }

    QByteArray m_bytes;
    QList<Entry> m_entries; // entry i is m_entries[i - 1]
};

} // namespace Woord
