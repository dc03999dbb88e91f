#pragma once

#include <QList>
#include <QString>

namespace vastrel::platform {

// File-name patterns as the collection uses them: "*" and "?", several patterns joined
// by ";" ("*.jpg;*.gif;*.bmp"), letter case ignored. As on the system the collections
// come from, a pattern ending in ".*" also takes names without an extension.
class Wildcard
{
public:
    explicit Wildcard(QStringView patterns);
    // A name taken letter for letter (Linux names may hold "*", "?" and ";"), optionally
    // followed by a "*" that matches anything.
    static Wildcard literal(QStringView name, bool anythingAfter = false);

    bool matches(QStringView name) const;
    // Upper-cased text that every matching name begins with, letter case ignored (empty
    // when the patterns share none): it narrows a sorted listing down to the candidates.
    QString prefix() const;

private:
    struct Pattern
    {
        QString upper;
        QList<bool> wild;    // per character: is it a "*" or "?" wildcard
        bool suffix = false; // "*" and plain text ("*.txt"): only the name's end counts
    };

    Wildcard() = default;
    void addPattern(QStringView pattern, bool literalText, bool anythingAfter);
    static bool matchOne(const Pattern& pattern, qsizetype length, QStringView name);
    static bool endsWith(QStringView name, QStringView upperSuffix);

    QList<Pattern> m_patterns;
};

} // namespace vastrel::platform
