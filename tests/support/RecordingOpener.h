#pragma once

#include "platform/Opener.h"

#include <QByteArrayList>
#include <QStringList>

// An opener that records the files it was asked to open, with their bytes at that moment
// (empty when the file could not be read), and answers as told.
class RecordingOpener : public vastrel::platform::Opener
{
public:
    bool open(const QString& file, const QString& workingFolder) override;

    QStringList opened;
    QStringList workingFolders;
    QByteArrayList contents;
    bool succeed = true;
};
