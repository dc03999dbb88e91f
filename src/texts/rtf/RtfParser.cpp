#include "RtfParser.h"

#include "RtfLimits.h"
#include "RtfPropertyWords.h"

namespace vastrel::texts {

RtfParser::RtfParser(QStringView units) : m_tokens(units)
{
    m_stack.append(RtfGroupState());
}

RtfDocument RtfParser::parse()
{
    for (;;) {
        const RtfToken token = m_tokens.next();
        switch (token.kind) {
        case RtfToken::Kind::End:
            break;
        case RtfToken::Kind::GroupStart:
            startGroup();
            continue;
        case RtfToken::Kind::GroupEnd:
            if (endGroup())
                continue;
            break; // the outermost group closed: what follows is not read
        case RtfToken::Kind::Word:
            if (!consumeFallback())
                onWord(token);
            continue;
        case RtfToken::Kind::Symbol:
            if (!consumeFallback())
                onSymbol(token.symbol);
            continue;
        case RtfToken::Kind::Byte:
            if (!consumeFallback())
                onByte(token.byte);
            continue;
        case RtfToken::Kind::Text:
            onText(token.text);
            continue;
        case RtfToken::Kind::Binary:
            consumeFallback(); // binary data is never text
            continue;
        }
        flushBytes();
        flushSurrogate();
        return m_body.finish(state().paragraph, state().inTable);
    }
}

bool RtfParser::isSkipped() const
{
    const RtfDestination d = m_stack.last().destination;
    return d == RtfDestination::Skip || d == RtfDestination::Object || d == RtfDestination::Upr ||
           d == RtfDestination::Picture;
}

void RtfParser::resetBetweenGroups()
{
    flushBytes();
    flushSurrogate();
    m_fallback = 0;
    m_starred = false;
}

void RtfParser::startGroup()
{
    resetBetweenGroups();
    if (m_stack.size() > RtfLimits::maxGroupDepth)
        ++m_overflow;
    else
        m_stack.append(m_stack.last());
}

bool RtfParser::endGroup()
{
    resetBetweenGroups();
    if (m_overflow > 0) {
        --m_overflow;
        return true;
    }
    if (m_stack.size() == 2)
        return false; // keep the outermost state for the last paragraph
    if (m_stack.size() > 2) {
        if (state().destination == RtfDestination::Picture &&
            m_stack[m_stack.size() - 2].destination != RtfDestination::Picture)
            finishPicture();
        m_stack.removeLast();
    }
    return true; // a '}' before any '{' is ignored
}

bool RtfParser::consumeFallback()
{
    if (m_fallback <= 0)
        return false;
    --m_fallback;
    return true;
}

void RtfParser::onWord(const RtfToken& token)
{
    flushBytes();
    const RtfControlWord* entry = RtfControlWords::find(token.word);
    const bool starred = std::exchange(m_starred, false);
    const bool isDestination = entry && entry->word == RtfWord::Destination;
    if (starred && !isDestination) {
        state().destination = RtfDestination::Skip; // an ignorable destination we do not know
        return;
    }
    if (isDestination) {
        onDestination(RtfDestinationWord(entry->argument));
        return;
    }
    if (!entry)
        return;
    switch (state().destination) {
    case RtfDestination::Body:
    case RtfDestination::FieldInstruction:
        onBodyWord(*entry, token);
        break;
    case RtfDestination::FontTable:
        if (!onCharacterWord(*entry, token))
            m_fonts.onWord(*entry, token);
        break;
    case RtfDestination::ColorTable:
        m_colors.onWord(*entry, token);
        break;
    case RtfDestination::Picture:
        if (entry->word == RtfWord::Picture)
            m_picture.onWord(*entry, token);
        break;
    default:
        break;
    }
}

void RtfParser::onDestination(RtfDestinationWord word)
{
    RtfGroupState& s = state();
    using D = RtfDestinationWord;
    switch (s.destination) {
    case RtfDestination::Skip:
        return;
    case RtfDestination::Object:
    case RtfDestination::Upr:
        if (word == (s.destination == RtfDestination::Object ? D::ObjectResult : D::UprUnicode))
            s.destination = s.outer;
        return;
    default:
        break;
    }
    switch (word) {
    case D::Skip:
        s.destination = RtfDestination::Skip;
        break;
    case D::FontTable:
        s.destination = RtfDestination::FontTable;
        break;
    case D::ColorTable:
        s.destination = RtfDestination::ColorTable;
        break;
    case D::Field:
        s.field = m_fields.start(s.destination);
        break;
    case D::FieldInstruction:
        s.destination = s.field >= 0 ? RtfDestination::FieldInstruction : RtfDestination::Skip;
        break;
    case D::FieldResult:
        showFieldResult();
        break;
    case D::Picture:
        startPicture();
        break;
    case D::PictureGroup:
        break;
    case D::Object:
    case D::Upr:
        s.outer = s.destination;
        s.destination = word == D::Object ? RtfDestination::Object : RtfDestination::Upr;
        break;
    case D::ObjectResult:
    case D::UprUnicode:
        break; // outside their container they are ordinary groups
    case D::NestTableProps:
        // Some writers put the nested cells' text in here too: it shows as the cells' text.
        s.nestedRowProperties = true;
        break;
    }
}

void RtfParser::showFieldResult()
{
    RtfGroupState& s = state();
    if (s.field < 0)
        return;
    // A field inside an instruction gives its result to that instruction.
    s.destination = m_fields.outer(s.field);
    if (s.destination != RtfDestination::Body)
        return;
    const QString link = m_fields.link(s.field);
    if (!link.isEmpty())
        s.format.link = link;
}

// Pictures show in the body only, and not when hidden.
void RtfParser::startPicture()
{
    RtfGroupState& s = state();
    if (s.destination != RtfDestination::Body || s.hidden) {
        s.destination = RtfDestination::Skip;
        return;
    }
    s.destination = RtfDestination::Picture;
    m_picture.start();
}

void RtfParser::finishPicture()
{
    if (std::optional<RtfPicture> picture = m_picture.take())
        m_body.appendPicture(std::move(*picture), bodyFormat());
}

bool RtfParser::onCharacterWord(const RtfControlWord& entry, const RtfToken& token)
{
    switch (entry.word) {
    case RtfWord::Character: {
        const char16_t c = char16_t(entry.argument);
        emitText(QStringView(&c, 1));
        return true;
    }
    case RtfWord::Tab:
        emitText(u"\t");
        return true;
    case RtfWord::Unicode:
        appendUnicode(token.parameter);
        m_fallback = state().unicodeSkip;
        return true;
    case RtfWord::UnicodeSkip:
        state().unicodeSkip = qMax(0, token.parameter);
        return true;
    default:
        return false;
    }
}

void RtfParser::onBodyWord(const RtfControlWord& entry, const RtfToken& token)
{
    RtfGroupState& s = state();
    if (onCharacterWord(entry, token) || RtfPropertyWords::apply(s, entry, token, m_colors))
        return;
    const bool body = s.destination == RtfDestination::Body;
    switch (entry.word) {
    case RtfWord::Par:
        if (body)
            m_body.endParagraph(s.paragraph, s.inTable);
        break;
    case RtfWord::Line:
        emitText(u"\u2028");
        break;
    case RtfWord::Cell:
        if (body)
            m_body.endCell(s.paragraph);
        break;
    case RtfWord::Row:
        if (body)
            m_body.endRow(s.paragraph, m_cellEdges);
        break;
    case RtfWord::NestCell:
        // Nested tables are flattened: each of their cells is a paragraph.
        if (body)
            m_body.endParagraph(s.paragraph, true);
        break;
    case RtfWord::RowDefaults:
        if (!s.nestedRowProperties)
            m_cellEdges.clear();
        break;
    case RtfWord::CellEdge:
        if (!s.nestedRowProperties && m_cellEdges.size() < RtfLimits::maxCellsPerRow)
            m_cellEdges.append(qBound(0, token.parameter, RtfLimits::maxLength));
        break;
    case RtfWord::CodePage:
        m_codePage = entry.argument != 0 ? entry.argument : token.parameter;
        break;
    case RtfWord::DefaultFont:
        m_defaultFont = token.parameter;
        break;
    default:
        break;
    }
}

void RtfParser::onSymbol(char16_t symbol)
{
    if (symbol == u'\\' || symbol == u'{' || symbol == u'}') {
        onByte(quint8(symbol)); // may be the second byte of a double-byte character
        return;
    }
    flushBytes();
    switch (symbol) {
    case u'*':
        m_starred = true;
        break;
    case u'~':
        emitText(u"\u00A0");
        break;
    case u'_':
        emitText(u"\u2011");
        break;
    case u'\t':
        emitText(u"\t");
        break;
    case u'\r':
    case u'\n': // a backslash at the end of a line ends the paragraph
        if (state().destination == RtfDestination::Body)
            m_body.endParagraph(state().paragraph, state().inTable);
        break;
    default:
        break; // \- optional hyphens and the index symbols show nothing
    }
}

void RtfParser::onText(QStringView text)
{
    while (m_fallback > 0 && !text.isEmpty()) {
        const bool pair = text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
        text = text.sliced(pair ? 2 : 1);
        --m_fallback;
    }
    if (state().destination == RtfDestination::Picture)
        m_picture.appendHex(text);
    if (isSkipped())
        return;
    qsizetype i = 0;
    while (i < text.size()) {
        // Units below U+0100 are bytes for the code page; the others are text.
        for (; i < text.size() && text[i].unicode() < 0x100; ++i)
            m_text.appendByte(char(text[i].unicode()));
        const qsizetype start = i;
        while (i < text.size() && text[i].unicode() >= 0x100)
            ++i;
        if (i > start) {
            flushBytes();
            emitText(text.sliced(start, i - start));
        }
    }
}

void RtfParser::onByte(quint8 byte)
{
    if (!isSkipped())
        m_text.appendByte(char(byte));
}

const RtfFont* RtfParser::currentFont() const
{
    const int font = m_stack.last().textFont();
    return m_fonts.find(font >= 0 ? font : m_defaultFont);
}

void RtfParser::flushBytes()
{
    if (!m_text.hasBytes())
        return;
    int codePage = 0;
    RtfSymbolSet symbols = RtfSymbolSet::None;
    if (state().destination == RtfDestination::FontTable) {
        codePage = m_fonts.entryCodePage();
    } else if (const RtfFont* font = currentFont()) {
        codePage = font->codePage;
        symbols = font->symbols;
    }
    emitText(m_text.takeBytes(codePage != 0 ? codePage : m_codePage, symbols));
}

void RtfParser::appendUnicode(qint32 value)
{
    const RtfFont* font = currentFont();
    routeText(m_text.takeUnicode(value, font ? font->symbols : RtfSymbolSet::None));
}

void RtfParser::emitText(QStringView text)
{
    flushSurrogate();
    routeText(text);
}

void RtfParser::flushSurrogate()
{
    routeText(m_text.takeLoneSurrogate());
}

void RtfParser::routeText(QStringView text)
{
    RtfGroupState& s = state();
    switch (s.destination) {
    case RtfDestination::Body:
        if (!s.hidden)
            writeBody(text);
        break;
    case RtfDestination::FontTable:
        m_fonts.appendName(text);
        break;
    case RtfDestination::ColorTable:
        m_colors.appendText(text);
        break;
    case RtfDestination::FieldInstruction:
        m_fields.appendInstruction(s.field, text);
        break;
    default:
        break;
    }
}

void RtfParser::writeBody(QStringView text)
{
    m_body.appendText(text, bodyFormat());
}

RtfCharFormat RtfParser::bodyFormat() const
{
    RtfCharFormat format = m_stack.last().format;
    if (const RtfFont* font = currentFont(); font && font->symbols == RtfSymbolSet::None) {
        format.fontFamily = font->name;
        format.fontKind = font->kind;
    }
    return format;
}

} // namespace vastrel::texts
