#include "ReadMe.h"

#include "platform/ErrorText.h"
#include "platform/FileSystem.h"
#include "platform/TextDecoder.h"

namespace vastrel::startup {

QString ReadMe::notice(const QString& path, const QString& errorDescription)
{
    const QString crlf = QStringLiteral("\r\n");
    return crlf + crlf + QString(30, u' ') + QStringLiteral("ATTENZIONE! ") + crlf +
           QString(29, u' ') + QString(13, u'-') + crlf + crlf +
           QStringLiteral(" È Stato Rilevato un Errore nel File di Documentazione di Vastrel") +
           crlf + QStringLiteral(" (\"") + path + QStringLiteral("\"):") + crlf + crlf + u' ' +
           errorDescription + u'.' + crlf;
}

QString ReadMe::load(const QString& path)
{
    const platform::ReadResult read = platform::FileSystem::readFile(path, kMaxBytes);
    if (!read.ok())
        return notice(path, platform::ErrorText::describe(read.error));
    return platform::TextDecoder::decode(read.data);
}

} // namespace vastrel::startup
