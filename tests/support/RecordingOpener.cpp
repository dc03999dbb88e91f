#include "RecordingOpener.h"

bool RecordingOpener::open(const QString& file, const QString& workingFolder)
{
    opened.append(file);
    workingFolders.append(workingFolder);
    return succeed;
}
