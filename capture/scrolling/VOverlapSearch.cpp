// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VOverlapSearch.h"

#include "VRowImage.h"

#include <QtAlgorithms>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr int kExactMinimum = 60; // an exact overlap must be higher than this
constexpr int kFuzzyMinimum = 60; // a fuzzy one at least this high
constexpr std::array<int, 4> kLevels = {20, 60, 80, 90};
constexpr int kWitnesses = 4;
// Pair answers kept at most: pictures whose rows are all distinct could otherwise keep H^2.
constexpr std::size_t kMaxKnownPairs = std::size_t(1) << 20;

// The index of the last byte in [from, to) where a and b differ, or -1; 8 bytes at a time.
int lastDifference(const uchar* a, const uchar* b, int from, int to)
{
    while (to - from >= 8) {
        to -= 8;
        const quint64 bits =
            qFromLittleEndian<quint64>(a + to) ^ qFromLittleEndian<quint64>(b + to);
        if (bits != 0)
            return to + int(63 - qCountLeadingZeroBits(bits)) / 8;
    }
    while (to > from) {
        --to;
        if (a[to] != b[to])
            return to;
    }
    return -1;
}

bool sameRow(const VRowImage::Fingerprint& a, const VRowImage::Fingerprint& b)
{
    return std::memcmp(a.data(), b.data(), a.size()) == 0;
}

// Room for `entries` in an open-addressing table kept at most half full.
std::size_t tableSize(std::size_t entries)
{
    std::size_t size = 16;
    while (size < 2 * entries)
        size <<= 1;
    return size;
}

// The rows of both pictures numbered by fingerprint: equal numbers, equal rows.
struct RowNumbers
{
    std::vector<int> previous;
    std::vector<int> next;
    int distinct = 0;
};

RowNumbers numberRows(const VRowImage& previous, const VRowImage& next)
{
    RowNumbers numbers;
    const std::size_t mask = tableSize(std::size_t(previous.height() + next.height())) - 1;
    std::vector<int> owners(mask + 1, -1);
    std::vector<const VRowImage::Fingerprint*> representatives;
    const auto number = [&](const VRowImage& image, std::vector<int>& out) {
        out.reserve(std::size_t(image.height()));
        for (int y = 0; y < image.height(); ++y) {
            const VRowImage::Fingerprint& row = image.fingerprint(y);
            quint64 hash = 0; // a digest's bytes are already well mixed
            std::memcpy(&hash, row.data(), sizeof hash);
            std::size_t slot = std::size_t(hash) & mask;
            while (owners[slot] >= 0 && !sameRow(*representatives[std::size_t(owners[slot])], row))
                slot = (slot + 1) & mask;
            if (owners[slot] < 0) {
                owners[slot] = int(representatives.size());
                representatives.push_back(&row);
            }
            out.push_back(owners[slot]);
        }
    };
    number(previous, numbers.previous);
    number(next, numbers.next);
    numbers.distinct = int(representatives.size());
    return numbers;
}

// The length of the longest suffix of `a` that is a prefix of `b`, both `n` rows long:
// Knuth-Morris-Pratt, O(n).
int longestSuffixPrefix(const VRowImage::Fingerprint* a, const VRowImage::Fingerprint* b, int n)
{
    std::vector<int> border(std::size_t(n), 0); // border[q]: longest proper border of b[0..q]
    for (int q = 1, k = 0; q < n; ++q) {
        while (k > 0 && !sameRow(b[q], b[k]))
            k = border[k - 1];
        if (sameRow(b[q], b[k]))
            ++k;
        border[q] = k;
    }
    int matched = 0;
    for (int i = 0; i < n; ++i) {
        while (matched > 0 && !sameRow(a[i], b[matched]))
            matched = border[matched - 1];
        if (sameRow(a[i], b[matched]))
            ++matched;
    }
    return matched;
}

// The highest exact overlap if it is higher than `minimum`, else 0. Candidates go from the
// highest down, filtered by three rows (the top one, the first that differs from it, the bottom
// one) and compared as blocks of fingerprints; once failed candidates have read 2H rows
// (repeated blocks), Knuth-Morris-Pratt finishes the job, so it stays O(H).
int exactOverlap(const VRowImage& previous, const VRowImage& next, int minimum)
{
    constexpr int kBlock = 64;
    const int height = previous.height();
    const VRowImage::Fingerprint* pPrevious = previous.fingerprints();
    const VRowImage::Fingerprint* pNext = next.fingerprints();
    int lead = 1; // next's top rows that equal its top row, a blank gap for instance
    while (lead < height && sameRow(pNext[lead], pNext[0]))
        ++lead;
    qint64 budget = 2 * qint64(height);
    for (int shift = 0; height - shift > minimum; ++shift) {
        const int overlap = height - shift;
        if (!sameRow(pPrevious[shift], pNext[0]) ||
            (lead < overlap && !sameRow(pPrevious[shift + lead], pNext[lead])) ||
            !sameRow(pPrevious[height - 1], pNext[overlap - 1]))
            continue;
        int compared = 0;
        for (int block = kBlock; compared < overlap; compared += block) {
            block = std::min(kBlock, overlap - compared);
            if (std::memcmp(pPrevious + shift + compared, pNext + compared,
                            std::size_t(block) * sizeof(VRowImage::Fingerprint)) != 0)
                break;
        }
        if (compared >= overlap)
            return overlap;
        budget -= compared + kBlock;
        if (budget < 0) {
            const int found = longestSuffixPrefix(pPrevious, pNext, height);
            return found > minimum ? found : 0;
        }
    }
    return 0;
}

// How many rows from previous's row i on equal those from next's row j on, in O(1) after an
// O(H log H) suffix sort of both row sequences joined, so a verification skips equal stretches
// (blank gaps, repeated blocks) at once.
class CommonRuns
{
public:
    CommonRuns(const std::vector<int>& previous, const std::vector<int>& next, int distinct)
        : m_nextStart(int(previous.size()) + 1)
    {
        // previous, a separator, next, a terminal that sorts first; row numbers move up by 2.
        std::vector<int> text;
        text.reserve(previous.size() + next.size() + 2);
        for (const int row : previous)
            text.push_back(row + 2);
        text.push_back(1);
        for (const int row : next)
            text.push_back(row + 2);
        text.push_back(0);
        const std::vector<int> order = sortSuffixes(text, distinct + 2);
        const int n = int(text.size());
        m_rank.assign(std::size_t(n), 0);
        for (int r = 0; r < n; ++r)
            m_rank[order[r]] = r;
        buildMinima(text, order);
    }

    int length(int i, int j) const
    {
        int low = m_rank[i];
        int high = m_rank[m_nextStart + j];
        if (low > high)
            std::swap(low, high);
        const int level = int(31 - qCountLeadingZeroBits(quint32(high - low)));
        const int* pLevel = m_minima.data() + std::size_t(level) * m_rank.size();
        return std::min(pLevel[low], pLevel[high - (1 << level)]);
    }

private:
    // Prefix doubling with counting sorts; the terminal makes cyclic order the suffix order.
    static std::vector<int> sortSuffixes(const std::vector<int>& text, int alphabet)
    {
        const int n = int(text.size());
        std::vector<int> order(text.size()), klass(text.size()), count;
        count.assign(std::size_t(std::max(alphabet, n)), 0);
        for (const int c : text)
            ++count[c];
        for (int c = 1; c < alphabet; ++c)
            count[c] += count[c - 1];
        for (int i = n - 1; i >= 0; --i)
            order[--count[text[i]]] = i;
        int classes = 1;
        klass[order[0]] = 0;
        for (int r = 1; r < n; ++r) {
            classes += text[order[r]] != text[order[r - 1]];
            klass[order[r]] = classes - 1;
        }
        std::vector<int> shifted(text.size()), nextClass(text.size());
        for (int half = 1; half < n && classes < n; half <<= 1) {
            for (int r = 0; r < n; ++r)
                shifted[r] = (order[r] - half + n) % n;
            std::fill(count.begin(), count.begin() + classes, 0);
            for (const int i : shifted)
                ++count[klass[i]];
            for (int c = 1; c < classes; ++c)
                count[c] += count[c - 1];
            for (int r = n - 1; r >= 0; --r)
                order[--count[klass[shifted[r]]]] = shifted[r];
            classes = 1;
            nextClass[order[0]] = 0;
            for (int r = 1; r < n; ++r) {
                const int a = order[r];
                const int b = order[r - 1];
                classes += klass[a] != klass[b] || klass[(a + half) % n] != klass[(b + half) % n];
                nextClass[a] = classes - 1;
            }
            klass.swap(nextClass);
        }
        return order;
    }

    // Kasai's common prefixes of neighbours in suffix order, then a sparse table of their minima.
    void buildMinima(const std::vector<int>& text, const std::vector<int>& order)
    {
        const int n = int(text.size());
        int levels = 1;
        while ((1 << levels) < n)
            ++levels;
        m_minima.assign(std::size_t(levels) * std::size_t(n), 0);
        for (int i = 0, k = 0; i < n; ++i) {
            if (m_rank[i] == n - 1) {
                k = 0;
                continue;
            }
            const int j = order[m_rank[i] + 1];
            while (i + k < n && j + k < n && text[i + k] == text[j + k])
                ++k;
            m_minima[m_rank[i]] = k;
            k = std::max(k - 1, 0);
        }
        for (int level = 1; level < levels; ++level) {
            const int* pBelow = m_minima.data() + std::size_t(level - 1) * std::size_t(n);
            int* pLevel = m_minima.data() + std::size_t(level) * std::size_t(n);
            const int step = 1 << (level - 1);
            for (int r = 0; r + (1 << level) <= n; ++r)
                pLevel[r] = std::min(pBelow[r], pBelow[r + step]);
        }
    }

    int m_nextStart;
    std::vector<int> m_rank;
    std::vector<int> m_minima; // level k, rank r: least common prefix of neighbours r .. r+2^k-1
};

// What is known of pairs of rows by their numbers: a byte per pair, open addressing. Similar
// below the level index in the low nibble, dissimilar from the one in the high nibble.
class PairAnswers
{
public:
    static constexpr quint8 kUnknown = quint8(kLevels.size() << 4);

    quint8 find(quint64 key) const
    {
        if (m_keys.empty())
            return kUnknown;
        const std::size_t slot = locate(key);
        return m_keys[slot] == key ? m_answers[slot] : kUnknown;
    }

    void store(quint64 key, quint8 answer)
    {
        if (2 * (m_count + 1) > m_keys.size()) {
            if (m_count >= kMaxKnownPairs)
                return;
            grow();
        }
        const std::size_t slot = locate(key);
        m_count += m_keys[slot] != key;
        m_keys[slot] = key;
        m_answers[slot] = answer;
    }

private:
    static constexpr quint64 kEmpty = ~quint64(0); // row numbers are below 2^31

    std::size_t locate(quint64 key) const
    {
        const std::size_t mask = m_keys.size() - 1;
        std::size_t slot = std::size_t((key * 0x9e3779b97f4a7c15ull) >> 32) & mask;
        while (m_keys[slot] != key && m_keys[slot] != kEmpty)
            slot = (slot + 1) & mask;
        return slot;
    }

    void grow()
    {
        std::vector<quint64> keys(tableSize(m_count + 1), kEmpty);
        std::vector<quint8> answers(keys.size());
        keys.swap(m_keys);
        answers.swap(m_answers);
        for (std::size_t old = 0; old < keys.size(); ++old) {
            if (keys[old] != kEmpty) {
                const std::size_t slot = locate(keys[old]);
                m_keys[slot] = keys[old];
                m_answers[slot] = answers[old];
            }
        }
    }

    std::vector<quint64> m_keys;
    std::vector<quint8> m_answers;
    std::size_t m_count = 0;
};

// The smallest scroll distance at which every pair of rows is similar at a level. Similarity is
// not transitive, so shifts are tried from 0 upwards: most fall to a row that refuted an earlier
// shift, the others are verified skipping equal rows (through CommonRuns once walking them has
// cost 4H), and pair answers are kept by row number.
class FuzzyMatcher
{
public:
    FuzzyMatcher(const VRowImage& previous, const VRowImage& next, const RowNumbers& numbers)
        : m_previous(previous), m_next(next), m_numbers(numbers)
    {
        m_witnesses.fill(-1);
    }

    // The smallest valid shift up to maxShift, or -1.
    int smallestShift(int level, int maxShift)
    {
        for (int shift = 0; shift <= maxShift; ++shift) {
            if (refutedByWitness(shift, level))
                continue;
            const int failing = firstFailure(shift, level);
            if (failing < 0)
                return shift;
            promote(failing);
        }
        return -1;
    }

private:
    bool similar(int i, int j, int level)
    {
        const int a = m_numbers.previous[i];
        const int b = m_numbers.next[j];
        if (a == b)
            return true;
        const quint64 key = quint64(std::min(a, b)) << 32 | quint32(std::max(a, b));
        const quint8 known = m_known.find(key);
        if (level < (known & 0xf))
            return true;
        if (level >= known >> 4)
            return false;
        const bool answer = rowsSimilar(m_previous.row(i), m_next.row(j), m_previous.bytesPerLine(),
                                        kLevels[level]);
        const quint8 learnt =
            answer ? quint8((known & 0xf0) | (level + 1)) : quint8((known & 0x0f) | (level << 4));
        m_known.store(key, learnt);
        return answer;
    }

    bool refutedByWitness(int shift, int level)
    {
        for (const int row : m_witnesses) {
            if (row >= shift && !similar(row, row - shift, level)) {
                promote(row);
                return true;
            }
        }
        return false;
    }

    // The first row of previous whose pair is dissimilar at this shift, or -1.
    int firstFailure(int shift, int level)
    {
        const int overlap = int(m_numbers.previous.size()) - shift;
        for (int t = 0; t < overlap; ++t) {
            t += equalRows(shift + t, t, overlap - t);
            if (t < overlap && !similar(shift + t, t, level))
                return shift + t;
        }
        return -1;
    }

    // How many rows from previous's row i and next's row j on are equal, up to `limit`.
    int equalRows(int i, int j, int limit)
    {
        if (m_runs)
            return m_runs->length(i, j);
        int equal = 0;
        while (equal < limit && m_numbers.previous[i + equal] == m_numbers.next[j + equal])
            ++equal;
        m_walked += equal;
        if (m_walked > 4 * qint64(m_numbers.previous.size()))
            m_runs.emplace(m_numbers.previous, m_numbers.next, m_numbers.distinct);
        return equal;
    }

    // Rows that refuted a shift tend to refute its neighbours too.
    void promote(int row)
    {
        const auto end = std::find(m_witnesses.begin(), m_witnesses.end() - 1, row);
        std::move_backward(m_witnesses.begin(), end, end + 1);
        m_witnesses.front() = row;
    }

    const VRowImage& m_previous;
    const VRowImage& m_next;
    const RowNumbers& m_numbers;
    std::optional<CommonRuns> m_runs;
    qint64 m_walked = 0;
    PairAnswers m_known;
    std::array<int, kWitnesses> m_witnesses;
};

} // namespace

// A window of `needed` bytes slides right: scanned from its end, a difference moves it just past
// that byte, and the bytes after it are known equal, so no byte is read twice and unlike rows
// are rejected after a few reads. O(length / 8) at worst.
bool rowsSimilar(const uchar* a, const uchar* b, int length, int percent)
{
    if (length <= 0)
        return false;
    const qint64 needed = qint64(length) * percent / 100;
    if (needed <= 0)
        return true;
    qint64 start = 0;
    int knownEqual = 0; // bytes from start up to here are equal
    while (start + needed <= length) {
        const int end = int(start + needed);
        const int difference = lastDifference(a, b, knownEqual, end);
        if (difference < 0)
            return true;
        start = difference + 1;
        knownEqual = end;
    }
    return false;
}

// Exact O(H); fuzzy O(H log H + P*W/8) per level, P = unequal row pairs tested, H^2 if rows alike.
QRect findOverlap(const VRowImage& previous, const VRowImage& next)
{
    if (previous.size() != next.size() || previous.bytesPerLine() != next.bytesPerLine())
        return QRect();
    const int height = previous.height();
    const int width = previous.width();
    if (height <= 0)
        return QRect();
    const int exact = exactOverlap(previous, next, kExactMinimum);
    if (exact > 0)
        return QRect(0, height - exact, width, exact);
    const int maxShift = height - kFuzzyMinimum;
    if (maxShift < 0)
        return QRect();
    const RowNumbers numbers = numberRows(previous, next);
    FuzzyMatcher matcher(previous, next, numbers);
    QRect result;
    for (int level = 0; level < int(kLevels.size()); ++level) {
        const int shift = matcher.smallestShift(level, maxShift);
        if (shift < 0)
            return result;
        result = QRect(0, shift, width, height - shift);
        if (shift != 0)
            return result;
    }
    return result;
}
