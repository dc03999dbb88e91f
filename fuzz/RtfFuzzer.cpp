// libFuzzer target for the RTF reader. Each input is read as bytes and, as the
// program reads files, as decoded text; when the decoding is Windows-1252 or
// plain ASCII the two readings must agree, so a fault in mapping text back to
// bytes shows as a crash. Smaller documents are also built into a
// QTextDocument, the smallest laid out; the plain text that copy and search use
// holds none of the document's own marks, and its positions map to the
// document and back.
#include "platform/TextDecoder.h"
#include "texts/rtf/RtfDocumentBuilder.h"
#include "texts/rtf/RtfPlainText.h"
#include "texts/rtf/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace vastrel;

namespace {

// Building and layout are slow next to parsing; larger inputs are only parsed.
constexpr size_t kBuildLimit = 8192;
constexpr size_t kLayoutLimit = 2048;

QString textOf(const texts::RtfParagraph& paragraph)
{
    QString out;
    for (const texts::RtfRun& run : paragraph.runs)
        out += run.text;
    return out + u'\n';
}

QString textOf(const texts::RtfDocument& document)
{
    QString out;
    for (const texts::RtfBlock& block : document.blocks) {
        if (const auto* paragraph = std::get_if<texts::RtfParagraph>(&block)) {
            out += textOf(*paragraph);
            continue;
        }
        for (const texts::RtfTableRow& row : std::get<texts::RtfTable>(block).rows) {
            for (const texts::RtfTableCell& cell : row.cells) {
                for (const texts::RtfParagraph& paragraph : cell.paragraphs)
                    out += textOf(paragraph);
                out += u'|';
            }
        }
    }
    return out;
}

// Decoding turns lone LFs into CR LF, which changes the length of \bin data;
// UTF-8 text past ASCII is meant to read differently.
bool readsTheSame(QByteArrayView bytes)
{
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    return !bytes.contains("bin") && (ascii || !platform::TextDecoder::isValidUtf8(bytes));
}

bool isMark(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0xFDD0 && u <= 0xFDEF) || u == 0xFFFC || u == 0x2028 || u == 0x2029;
}

void checkPlainText(const QTextDocument& document)
{
    const texts::RtfPlainText plain(document);
    const QString& text = plain.text();
    if (std::any_of(text.begin(), text.end(), isMark))
        std::abort();
    for (int i = 0; i <= text.size(); ++i) {
        const int position = plain.toDocument(i);
        if (position < 0 || position >= document.characterCount() ||
            plain.fromDocument(position) != i)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const texts::RtfDocument fromBytes = texts::RtfReader::parse(bytes);
    const texts::RtfDocument fromText =
        texts::RtfReader::parse(platform::TextDecoder::decode(bytes));
    if (readsTheSame(bytes) && textOf(fromBytes) != textOf(fromText))
        std::abort();
    if (size > kBuildLimit)
        return 0;
    QTextDocument document;
    texts::RtfDocumentBuilder::build(fromText, document);
    checkPlainText(document);
    if (size <= kLayoutLimit) {
        document.setTextWidth(400);
        (void)document.size();
    }
    return 0;
}
