// The libFuzzer entry points of one target; VASTREL_FUZZ_BODY names its body (FuzzTargets.h).
#include "FuzzTargets.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

void vastrel::fuzz::fail(const char* what)
{
    std::fprintf(stderr, "Broken property: %s\n", what);
    std::abort();
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Picture decoding goes through Qt's image plugins; an application makes them available.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static int argc = 1;
    static char name[] = "vastrel_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    VASTREL_FUZZ_BODY(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
