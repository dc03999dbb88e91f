#include "Collation.h"

#include <array>
#include <memory>

namespace vastrel::catalogue {

namespace {

struct Weights
{
    std::array<quint32, 0x10000> primary;    // base letter, no case, no accent
    std::array<char16_t, 0x10000> secondary; // lower case, accent kept
};

char16_t baseLetter(char16_t c)
{
    QChar ch(c);
    while (ch.decompositionTag() == QChar::Canonical) {
        const QString d = ch.decomposition();
        if (d.isEmpty())
            break;
        ch = d.front();
    }
    return ch.unicode();
}

std::unique_ptr<Weights> buildWeights()
{
    auto w = std::make_unique<Weights>();
    for (quint32 c = 0; c < 0x10000; ++c) {
        const auto u = char16_t(c);
        if (QChar::isSurrogate(u)) {
            w->primary[c] = c, w->secondary[c] = u;
            continue;
        }
        const char16_t lower = QChar::toLower(u);
        const char16_t base = QChar::toLower(baseLetter(u));
        const bool alnum = QChar::isLetterOrNumber(u);
        w->primary[c] = alnum ? 0x10000u + base : c;
        w->secondary[c] = lower;
    }
    return w;
}

const Weights& weights()
{
    static const std::unique_ptr<Weights> w = buildWeights();
    return *w;
}

template <typename CharAtA, typename CharAtB>
int compareLevels(qsizetype lengthA, qsizetype lengthB, CharAtA a, CharAtB b)
{
    const Weights& w = weights();
    const qsizetype n = std::min(lengthA, lengthB);
    for (qsizetype i = 0; i < n; ++i) {
        const quint32 x = w.primary[a(i)], y = w.primary[b(i)];
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (lengthA != lengthB)
        return lengthA < lengthB ? -1 : 1;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = w.secondary[a(i)], y = w.secondary[b(i)];
        if (x != y)
            return x < y ? -1 : 1;
    }
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = a(i), y = b(i);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

} // namespace

int Collation::compare(QStringView a, QStringView b)
{
    return compareLevels(
        a.size(), b.size(), [&](qsizetype i) { return a[i].unicode(); },
        [&](qsizetype i) { return b[i].unicode(); });
}

int Collation::compare(const ListRow& a, const ListRow& b)
{
    // Rows with equal display fields fall back to their paths, as whole strings would.
    return compareLevels(
        a.length(), b.length(), [&](qsizetype i) { return a.at(i).unicode(); },
        [&](qsizetype i) { return b.at(i).unicode(); });
}

} // namespace vastrel::catalogue
