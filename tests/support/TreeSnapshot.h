#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// Everything under a folder that the program could change, to prove that it changed nothing
// and created nothing: one line per entry, the folder itself and hidden entries included,
// with its name as raw bytes, kind, mode, size, link count, modification and status-change
// times in nanoseconds, a link's target and a regular file's content hash. Taken without
// following links and without opening anything but regular files.
namespace TreeSnapshot {

QByteArrayList take(const QString& root);
// The lines that are only in one of two snapshots, marked "-" and "+", for a failure message.
QByteArray difference(const QByteArrayList& before, const QByteArrayList& after);

} // namespace TreeSnapshot
