#include "core/search/twowaysearch.h"

#include <algorithm>
#include <cstring>

namespace Woord {

namespace {

struct MaximalSuffix {
    qsizetype start = -1; // the suffix starts one after this
    qsizetype period = 1;
};

// The maximal suffix of the pattern in lexicographic order, or with reversed
// set in the reversed order, and its period.
MaximalSuffix maximalSuffix(const unsigned char *pattern, qsizetype size, bool reversed)
{
    qsizetype start = -1;
    qsizetype j = 0;
    qsizetype k = 1;
    qsizetype period = 1;
    while (j + k < size) {
        const unsigned char a = pattern[j + k];
        const unsigned char b = pattern[start + k];
        if (reversed ? b < a : a < b) {
            // The suffix is smaller: the period is the whole prefix so far.
            j += k;
            k = 1;
            period = j - start;
        } else if (a == b) {
            // Through a repetition of the period so far.
            if (k != period) {
                ++k;
            } else {
                j += period;
                k = 1;
            }
        } else {
            // A larger suffix: start again from here.
            start = j++;
            k = period = 1;
        }
    }
    return {start, period};
}

} // namespace

TwoWaySearcher::TwoWaySearcher(QByteArrayView pattern)
    : m_pattern(pattern.toByteArray())
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(m_pattern.constData());
    const qsizetype size = m_pattern.size();
    if (size < 3) {
        m_split = size - 1;
        m_period = 1;
    } else {
        const MaximalSuffix forward = maximalSuffix(bytes, size, false);
        const MaximalSuffix backward = maximalSuffix(bytes, size, true);
        // The longer of the two suffixes gives a critical factorization.
        const MaximalSuffix &longer = backward.start < forward.start ? forward : backward;
        m_split = longer.start + 1;
        m_period = longer.period;
    }
    m_periodic = m_split + m_period <= size && std::memcmp(bytes, bytes + m_period, size_t(m_split)) == 0;
    if (!m_periodic)
        m_period = std::max(m_split, size - m_split) + 1;
    m_skip.fill(size);
    for (qsizetype i = 0; i < size; ++i)
        m_skip[bytes[i]] = size - i - 1;
}

qsizetype TwoWaySearcher::indexIn(QByteArrayView text) const
{
    if (text.size() < m_pattern.size())
        return -1;
    if (m_pattern.size() == 1) {
        const void *hit = std::memchr(text.data(), m_pattern.at(0), size_t(text.size()));
        return hit ? static_cast<const char *>(hit) - text.data() : -1;
    }
    return m_periodic ? periodicIndexIn(text) : distinctIndexIn(text);
}

// The pattern's left half repeats at the period: after a mismatch in the left
// half the search moves on by the period, remembering how much of the right
// half is known to match, so that no byte is compared twice over.
qsizetype TwoWaySearcher::periodicIndexIn(QByteArrayView text) const
{
    const auto *pattern = reinterpret_cast<const unsigned char *>(m_pattern.constData());
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    const qsizetype size = m_pattern.size();
    const qsizetype last = text.size() - size;
    qsizetype memory = 0;
    qsizetype j = 0;
    while (j <= last) {
        qsizetype skip = m_skip[bytes[j + size - 1]];
        if (skip > 0) {
            // The period does not fit where a byte of it is out of place.
            if (memory != 0 && skip < m_period)
                skip = size - m_period;
            memory = 0;
            j += skip;
            continue;
        }
        // The last byte matches; the right half from the split, then the left.
        qsizetype i = std::max(m_split, memory);
        while (i < size - 1 && pattern[i] == bytes[i + j])
            ++i;
        if (i >= size - 1) {
            i = m_split - 1;
            while (memory < i + 1 && pattern[i] == bytes[i + j])
                --i;
            if (i + 1 < memory + 1)
                return j;
            j += m_period;
            memory = size - m_period;
        } else {
            j += i - m_split + 1;
            memory = 0;
        }
    }
    return -1;
}

// The two halves differ: any mismatch moves the search on by the most it may.
qsizetype TwoWaySearcher::distinctIndexIn(QByteArrayView text) const
{
    const auto *pattern = reinterpret_cast<const unsigned char *>(m_pattern.constData());
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    const qsizetype size = m_pattern.size();
    const qsizetype last = text.size() - size;
    qsizetype j = 0;
    while (j <= last) {
        const qsizetype skip = m_skip[bytes[j + size - 1]];
        if (skip > 0) {
            j += skip;
            continue;
        }
        qsizetype i = m_split;
        while (i < size - 1 && pattern[i] == bytes[i + j])
            ++i;
        if (i >= size - 1) {
            i = m_split - 1;
            while (i >= 0 && pattern[i] == bytes[i + j])
                --i;
            if (i < 0)
                return j;
            j += m_period;
        } else {
            j += i - m_split + 1;
        }
    }
    return -1;
}

} // namespace Woord
