#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <unordered_map>

namespace vastrel::texts {

// Fonts whose byte values stand for pictures rather than letters.
enum class RtfSymbolSet : quint8
{
    None,
    Symbol,
    Wingdings
};

// Turns the bytes of an RTF stream into text, for the code page in force. Each
// reader owns one, so its cache of decoders is never shared between threads.
class RtfCodePages
{
public:
    static constexpr int windows1252 = 1252;

    // The code page a \fcharset value stands for, which decides over the
    // document's; 0 when it leaves the document's own code page in force.
    static int forCharset(int charset);
    static char16_t symbolCharacter(quint8 byte, RtfSymbolSet set);

    QString decode(QByteArrayView bytes, int codePage, RtfSymbolSet set);

private:
    QStringDecoder* decoder(int codePage);

    std::unordered_map<int, QStringDecoder> m_decoders;
};

} // namespace vastrel::texts
