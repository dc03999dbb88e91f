#pragma once

#include <QString>

namespace vastrel::startup {

// The read-me text of the program folder, shown in the About window.
class ReadMe
{
public:
    // The file's text, or the notice that tells the user it could not be read.
    static QString load(const QString& path);
    static QString notice(const QString& path, const QString& errorDescription);

    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
};

} // namespace vastrel::startup
