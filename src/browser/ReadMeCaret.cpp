#include "ReadMeCaret.h"

#include <algorithm>

namespace vastrel::browser {

namespace {

// The caret stands this far past the start of the introduction's last words.
constexpr int kPastIntroduction = 27;
constexpr int kHeadingLength = 71;
const QString kIntroductionEnd = QStringLiteral("brani scelti.");
const QString kKeysSection = QStringLiteral(" --- 6. ");
const QString kNotice = QStringLiteral(" ATTENZIONE! ");

} // namespace

std::optional<ReadMeCaret> ReadMeCaret::onShowing(const QString& text, bool firstShowing)
{
    const auto within = [&text](qsizetype at) { return int(std::min(at, text.size())); };
    const qsizetype introduction = text.indexOf(kIntroductionEnd);
    if (introduction >= 0) {
        if (!firstShowing)
            return std::nullopt;
        const qsizetype heading = text.indexOf(kKeysSection);
        if (heading < 0) {
            const int caret = within(introduction + kPastIntroduction);
            return ReadMeCaret{caret, caret};
        }
        return ReadMeCaret{int(heading + 1), within(heading + 1 + kHeadingLength)};
    }
    const qsizetype notice = text.indexOf(kNotice);
    if (notice > 0)
        return ReadMeCaret{int(notice), int(notice + kNotice.size())};
    return std::nullopt;
}

} // namespace vastrel::browser
