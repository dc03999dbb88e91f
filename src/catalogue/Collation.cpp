#include "Collation.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

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

namespace {

// The primary weights of a text as bytes whose order is the order of the first level,
// shorter texts first: one byte for punctuation and for the letters and digits of ASCII,
// the others a lead byte and the weight.
std::string primaryKey(QStringView text, const Weights& w)
{
    constexpr quint32 kLetters = 0x10000; // the first primary weight of a letter or digit
    constexpr quint32 kOneByteLetters = 0x7B;
    std::string key;
    key.reserve(size_t(text.size()));
    for (const QChar c : text) {
        const quint32 weight = w.primary[c.unicode()];
        if (weight < 0x80) {
            key += char(weight);
        } else if (weight < kLetters) {
            key += {char(0x80), char(weight >> 8), char(weight)};
        } else if (weight - kLetters < kOneByteLetters) {
            key += char(0x81 + (weight - kLetters));
        } else {
            key += {char(0xFC), char(weight >> 16), char(weight >> 8), char(weight)};
        }
    }
    return key;
}

// The first eight bytes of a key as a number, in the same order.
quint64 prefixOf(const std::string& key)
{
    quint64 prefix = 0;
    for (size_t i = 0; i < 8; ++i)
        prefix = prefix << 8 | (i < key.size() ? uchar(key[i]) : 0);
    return prefix;
}

} // namespace

void Collation::sort(QStringList& texts)
{
    struct Keyed
    {
        quint64 prefix;
        std::string key;
        qsizetype index;
    };
    const Weights& w = weights();
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        std::string key = primaryKey(texts.at(i), w);
        keyed.push_back({prefixOf(key), std::move(key), i});
    }
    const auto before = [&texts](const Keyed& a, const Keyed& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int first = a.key.compare(b.key);
        return first != 0 ? first < 0 : compare(texts.at(a.index), texts.at(b.index)) < 0;
    };
    // Folder listings come nearly in this order already.
    if (std::is_sorted(keyed.begin(), keyed.end(), before))
        return;
    std::sort(keyed.begin(), keyed.end(), before);
    QStringList sorted;
    sorted.reserve(texts.size());
    for (const Keyed& k : keyed)
        sorted.append(std::move(texts[k.index]));
    texts = std::move(sorted);
}

int Collation::compare(const ListRow& a, const ListRow& b)
{
    // Rows with equal display fields fall back to their paths, as whole strings would.
    return compareLevels(
        a.length(), b.length(), [&](qsizetype i) { return a.at(i).unicode(); },
        [&](qsizetype i) { return b.at(i).unicode(); });
}

} // namespace vastrel::catalogue
