#include "RecordingOpener.h"

#include <QFile>

bool RecordingOpener::open(const QString& file, const QString& workingFolder)
{
    opened.append(file);
    workingFolders.append(workingFolder);
    QFile f(file);
    contents.append(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    return succeed;
}
