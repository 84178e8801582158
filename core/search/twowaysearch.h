#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>

namespace Woord {

// Finds a byte string in others in time linear in their length, whatever the
// two hold: the two-way algorithm of Crochemore and Perrin, with a table of
// how far each byte lets the search skip, which makes the common case skip
// most bytes as Boyer-Moore-Horspool does. Horspool alone takes time of the
// text's length times the pattern's on texts such as a long run of one
// letter, searched for a pattern of that letter after another one.
class TwoWaySearcher
{
public:
    // The pattern must not be empty.
    explicit TwoWaySearcher(QByteArrayView pattern);

    // Where the pattern first starts in text, or -1.
    qsizetype indexIn(QByteArrayView text) const;

private:
    qsizetype periodicIndexIn(QByteArrayView text) const;
    qsizetype distinctIndexIn(QByteArrayView text) const;

    QByteArray m_pattern;
    qsizetype m_split = 0; // the critical factorization: the right half starts here
    qsizetype m_period = 1;
    bool m_periodic = false; // the left half repeats in the right one, at the period
    std::array<qsizetype, 256> m_skip{}; // by the byte under the pattern's last one
};

} // namespace Woord
