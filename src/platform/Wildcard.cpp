#include "Wildcard.h"

#include "TextCase.h"

#include <algorithm>

namespace vastrel::platform {

Wildcard::Wildcard(QStringView patterns)
{
    for (QStringView p : patterns.split(u';')) {
        if (!p.isEmpty())
            addPattern(p, false, false);
    }
}

Wildcard Wildcard::literal(QStringView name, bool anythingAfter)
{
    Wildcard w;
    w.addPattern(name, true, anythingAfter);
    return w;
}

void Wildcard::addPattern(QStringView pattern, bool literalText, bool anythingAfter)
{
    Pattern p;
    p.upper = TextCase::upper(pattern);
    p.wild.resize(p.upper.size());
    for (qsizetype i = 0; i < p.upper.size(); ++i)
        p.wild[i] = !literalText && (p.upper[i] == u'*' || p.upper[i] == u'?');
    if (anythingAfter) {
        p.upper.append(u'*');
        p.wild.append(true);
    }
    p.suffix = !p.wild.isEmpty() && p.wild.front() && p.upper.front() == u'*' &&
               std::none_of(p.wild.begin() + 1, p.wild.end(), [](bool w) { return w; });
    m_patterns.append(std::move(p));
}

bool Wildcard::matches(QStringView name) const
{
    for (const Pattern& p : m_patterns) {
        if (p.suffix) {
            if (endsWith(name, QStringView(p.upper).sliced(1)))
                return true;
            continue;
        }
        const qsizetype n = p.upper.size();
        if (matchOne(p, n, name))
            return true;
        // "name.*" also takes "name", as on the system the collections come from.
        const bool dotStar = n >= 2 && p.wild[n - 1] && p.upper[n - 1] == u'*' && !p.wild[n - 2] &&
                             p.upper[n - 2] == u'.';
        if (dotStar && !name.contains(u'.') && matchOne(p, n - 2, name))
            return true;
    }
    return false;
}

QString Wildcard::prefix() const
{
    if (m_patterns.size() != 1)
        return {};
    const Pattern& p = m_patterns.constFirst();
    qsizetype n = 0;
    while (n < p.upper.size() && !p.wild[n])
        ++n;
    // "name.*" also takes "name": the dot is not part of every match.
    if (n > 0 && p.upper[n - 1] == u'.')
        --n;
    return p.upper.left(n);
}

bool Wildcard::endsWith(QStringView name, QStringView upperSuffix)
{
    if (name.size() < upperSuffix.size())
        return false;
    const QStringView end = name.sliced(name.size() - upperSuffix.size());
    for (qsizetype i = 0; i < end.size(); ++i) {
        if (TextCase::upperChar(end[i].unicode()) != upperSuffix[i].unicode())
            return false;
    }
    return true;
}

// Iterative glob match with back-tracking to the last "*": no recursion depth for hostile
// names. Only the first `length` characters of the pattern take part; the name is
// upper-cased character by character as it is read.
bool Wildcard::matchOne(const Pattern& pattern, qsizetype length, QStringView name)
{
    const QString& pat = pattern.upper;
    auto isStar = [&](qsizetype i) { return pattern.wild[i] && pat[i] == u'*'; };
    auto fits = [&](qsizetype i, QChar c) {
        return (pattern.wild[i] && pat[i] == u'?') ||
               (!isStar(i) && pat[i] == TextCase::upperChar(c.unicode()));
    };
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < length && fits(p, name[n])) {
            ++p, ++n;
        } else if (p < length && isStar(p)) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < length && isStar(p))
        ++p;
    return p == length;
}

} // namespace vastrel::platform
