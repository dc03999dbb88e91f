#include "PrivateTempFolder.h"

#include "NativeName.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace vastrel::platform {

bool PrivateTempFolder::isPrivateFolder(const QString& path)
{
    struct stat st;
    if (::lstat(NativeName::encode(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 0777) == 0700;
}

QString PrivateTempFolder::locate(const QString& systemTemp)
{
    QString base = systemTemp;
    while (base.size() > 1 && base.endsWith(u'/'))
        base.chop(1);
    if (base.isEmpty())
        return {};
    const QString prefix = base + QStringLiteral("/vastrel-") + QString::number(::geteuid());

    const QByteArray fixed = NativeName::encode(prefix);
    if (::mkdir(fixed.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    if (isPrivateFolder(prefix))
        return prefix + u'/';

    QByteArray pattern = fixed + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        return {};
    return NativeName::decode(pattern) + u'/';
}

} // namespace vastrel::platform
