#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A collection built in a temporary folder, so that each test shows the tree it needs:
//   Collection c; c.album("[1979] Uno").text("01 - A.txt", "testo\r\n").track("01 - A.mp3");
class Collection
{
public:
    Collection();

    // The collection root, ending with "/".
    QString root() const;
    QString path(const QString& relative) const;

    // Makes the album folder and makes it the album the next calls fill.
    Collection& album(const QString& name);
    Collection& text(const QString& name, const QByteArray& content = "testo\r\n");
    Collection& track(const QString& name, const QByteArray& content = "x");
    // A duplicate marker Brani/<name> whose first line is line.
    Collection& marker(const QString& name, const QByteArray& line);
    Collection& picture(const QString& name, const QByteArray& content = "x");
    // Any file or folder under the root, relative to it; missing parent folders are made.
    Collection& file(const QString& relative, const QByteArray& content = "x");
    Collection& folder(const QString& relative);
    // A file whose path holds bytes that need not be valid UTF-8.
    Collection& rawFile(const QByteArray& relative, const QByteArray& content = "x");

private:
    QTemporaryDir m_dir;
    QString m_album;
};
