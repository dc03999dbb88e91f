// libFuzzer target for the RTF reader: an input is read either as bytes or, as
// the program reads files, as decoded text (the last bit of its size chooses);
// smaller documents are also built into a QTextDocument, the smallest laid out.
#include "platform/TextDecoder.h"
#include "texts/rtf/RtfDocumentBuilder.h"
#include "texts/rtf/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>

namespace {

// Building and layout are slow next to parsing; larger inputs are only parsed.
constexpr size_t kBuildLimit = 8192;
constexpr size_t kLayoutLimit = 2048;

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
    using namespace vastrel;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const texts::RtfDocument model =
        size % 2 == 0 ? texts::RtfReader::parse(bytes)
                      : texts::RtfReader::parse(platform::TextDecoder::decode(bytes));
    if (size > kBuildLimit)
        return 0;
    QTextDocument document;
    texts::RtfDocumentBuilder::build(model, document);
    (void)document.toPlainText();
    if (size <= kLayoutLimit) {
        document.setTextWidth(400);
        (void)document.size();
    }
    return 0;
}
