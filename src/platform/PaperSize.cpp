#include "PaperSize.h"

#include <QLocale>
#include <cstdint>
#if __has_include(<langinfo.h>)
#include <langinfo.h>
#endif

namespace vastrel::platform {

// The paper of LC_PAPER where the C library tells it (QCoreApplication has set the locale
// from the environment); elsewhere the measurement system of the locale decides.
QPageSize::PageSizeId PaperSize::ofLocale()
{
#ifdef __GLIBC__
    constexpr int kLetterHeightMm = 279;
    const auto height = int(reinterpret_cast<std::intptr_t>(::nl_langinfo(_NL_PAPER_HEIGHT)));
    if (height > 0)
        return height == kLetterHeightMm ? QPageSize::Letter : QPageSize::A4;
#endif
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

} // namespace vastrel::platform
