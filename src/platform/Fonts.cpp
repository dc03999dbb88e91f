#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace vastrel::platform {

QFont Fonts::fixedPitch(int pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFont(QStringLiteral("DejaVu Sans Mono"));
        font.setStyleHint(QFont::Monospace);
    }
    font.setPointSize(pointSize);
    return font;
}

} // namespace vastrel::platform
