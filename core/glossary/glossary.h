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

    // The furthest into the bytes a text can start (files are never as long).
    static constexpr qsizetype maxTextStart = 0xFFFF'FFFF;

    // The number of entries: records 1..AantalBegrippen() hold them.
    qint32 AantalBegrippen() const { return static_cast<qint32>(m_entries.size()); }
    // The glossary's date, at most 10 characters (dd/mm/yyyy).
    const QString &DatabaseDatum() const { return m_date; }
    // The start index as stored in the file; start-up never uses it.
    qint32 startIndex() const { return m_startIndex; }

    // Record i (0..AantalBegrippen); any other index gives an empty record.
    BegripRecord Begrippen(qint32 i) const;
    QString Begrip(qint32 i) const;
    QString Beschrijving(qint32 i) const;

    // The stored (scrambled) bytes of a term or description; both are views
    // into storedBytes(), which holds the entries in order.
    QByteArrayView termBytes(qint32 i) const;
    QByteArrayView descriptionBytes(qint32 i) const;
    QByteArrayView storedBytes() const { return m_bytes; }

    // Used by the loader: takes the bytes and the header's fields, then one
    // span per text.
    void adoptBytes(QByteArray bytes);
    void setHeader(const QString &date, qint32 startIndex);
    // Lets go of what follows the last entry, which nothing reads.
    void dropBytesAfter(qsizetype end);
    void reserve(qint32 entries);
    void appendEntry(qsizetype termStart, qsizetype termLength, qsizetype descriptionStart,
                     qsizetype descriptionLength);
    // Drops every entry (a failed load never hands out part of a table).
    void clearEntries();

private:
    // 12 bytes an entry: a file is at most maxGlossaryFileSize (under 4 GiB)
    // long and a text at most 32767 bytes (see glossary.cpp).
    struct Entry {
        quint32 termStart = 0;
        quint32 descriptionStart = 0;
        quint16 termLength = 0;
        quint16 descriptionLength = 0;
    };

    QByteArrayView view(quint32 start, quint16 length) const { return QByteArrayView(m_bytes).sliced(start, length); }
    bool holds(qint32 i) const { return i >= 1 && i <= m_entries.size(); }

    QByteArray m_bytes;
    QString m_date;
    qint32 m_startIndex = 0;
    QList<Entry> m_entries; // entry i is m_entries[i - 1]
};

} // namespace Woord
