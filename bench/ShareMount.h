#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A folder seen through vastrel_sharefs, a read-only share that answers each request after a
// fixed delay, its listings with or without the entries' types. Mounted on construction;
// unmounted with fusermount3 when destroyed, and also when the benchmark is interrupted or
// aborts.
class ShareMount
{
public:
    // Why no share can be mounted here (not built, no /dev/fuse, no fusermount3), or nothing.
    static QString unavailable();

    ShareMount(const QString& source, int latencyMs, bool untyped);
    ~ShareMount();
    ShareMount(const ShareMount&) = delete;
    ShareMount& operator=(const ShareMount&) = delete;

    // The source's root through the share, with a trailing slash; empty when it did not mount.
    QString root() const;
    // Why it did not mount.
    const QString& error() const { return m_error; }
    // The requests the share has answered so far.
    long requests();

private:
    void unmount();

    QTemporaryDir m_point;
    QProcess m_fs;
    QString m_error;
    bool m_mounted = false;
};
