#pragma once

#include "platform/Opener.h"

#include <QStringList>

// An opener that records the files it was asked to open and answers as told.
class RecordingOpener : public vastrel::platform::Opener
{
public:
    bool open(const QString& file, const QString& workingFolder) override;

    QStringList opened;
    QStringList workingFolders;
    bool succeed = true;
};
