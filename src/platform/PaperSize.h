#pragma once

#include <QPageSize>

namespace vastrel::platform {

// The paper the user's locale prints on: Letter where the locale says so, A4 elsewhere.
class PaperSize
{
public:
    static QPageSize::PageSizeId ofLocale();
};

} // namespace vastrel::platform
