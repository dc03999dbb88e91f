#include "TextSearch.h"

#include "platform/TextCase.h"

namespace vastrel::browser {

qsizetype TextSearch::findNext(const QString& text, const QString& searched, int selectionStart,
                               const QString& selectedText)
{
    if (searched.isEmpty())
        return -1;
    qsizetype from = selectionStart;
    if (platform::TextCase::upper(selectedText) == platform::TextCase::upper(searched))
        ++from;
    const qsizetype at = text.indexOf(searched, from, Qt::CaseInsensitive);
    return at >= 0 ? at : text.indexOf(searched, 0, Qt::CaseInsensitive);
}

QString TextSearch::notFound(const QString& searched)
{
    return QStringLiteral("La Stringa Cercata (\"") + searched +
           QStringLiteral("\") NON È Stata Trovata.");
}

} // namespace vastrel::browser
