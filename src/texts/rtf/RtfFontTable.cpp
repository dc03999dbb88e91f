#include "RtfFontTable.h"

#include "RtfLimits.h"

namespace vastrel::texts {

namespace {

constexpr int kSymbolCharset = 2;

} // namespace

void RtfFontTable::onWord(const RtfControlWord& entry, const RtfToken& token)
{
    switch (entry.word) {
    case RtfWord::Font:
        beginEntry(token.parameter);
        break;
    case RtfWord::FontCharset:
        setCharset(token.parameter);
        break;
    case RtfWord::FontCodePage:
        if (RtfFont* font = current())
            font->codePage = token.parameter;
        break;
    case RtfWord::FontKind:
        if (RtfFont* font = current())
            font->kind = RtfFontKind(entry.argument);
        break;
    default:
        break;
    }
}

void RtfFontTable::beginEntry(int number)
{
    m_nameDone = false;
    m_symbolCharset = false;
    if (!m_fonts.contains(number) && m_fonts.size() >= RtfLimits::maxFonts) {
        m_current = -1;
        return;
    }
    m_current = number;
    m_fonts.insert(number, RtfFont());
}

RtfFont* RtfFontTable::current()
{
    if (m_current < 0)
        return nullptr;
    auto it = m_fonts.find(m_current);
    return it == m_fonts.end() ? nullptr : &it.value();
}

void RtfFontTable::setCharset(int charset)
{
    if (RtfFont* font = current()) {
        m_symbolCharset = charset == kSymbolCharset;
        font->codePage = RtfCodePages::forCharset(charset);
        updateSymbols(*font, m_symbolCharset);
    }
}

void RtfFontTable::appendName(QStringView text)
{
    RtfFont* font = current();
    if (!font || m_nameDone)
        return;
    const qsizetype end = text.indexOf(u';');
    const QStringView part = end < 0 ? text : text.first(end);
    font->name.append(
        part.first(qMin(part.size(), RtfLimits::maxFontNameLength - font->name.size())));
    if (end >= 0) {
        m_nameDone = true;
        font->name = font->name.trimmed();
        updateSymbols(*font, m_symbolCharset);
    }
}

int RtfFontTable::entryCodePage() const
{
    const auto it = m_fonts.constFind(m_current);
    return it == m_fonts.constEnd() ? 0 : it->codePage;
}

const RtfFont* RtfFontTable::find(int number) const
{
    const auto it = m_fonts.constFind(number);
    return it == m_fonts.constEnd() ? nullptr : &it.value();
}

void RtfFontTable::updateSymbols(RtfFont& font, bool symbolCharset)
{
    // Fonts that draw pictures for letters: named ones are recognised even
    // when a writer gave them an ordinary character set.
    const QString& name = font.name;
    if (name.startsWith(u"Wingdings", Qt::CaseInsensitive) ||
        name.startsWith(u"Webdings", Qt::CaseInsensitive))
        font.symbols = RtfSymbolSet::Wingdings;
    else if (symbolCharset || name.compare(u"Symbol", Qt::CaseInsensitive) == 0)
        font.symbols = RtfSymbolSet::Symbol;
    else
        font.symbols = RtfSymbolSet::None;
}

} // namespace vastrel::texts
