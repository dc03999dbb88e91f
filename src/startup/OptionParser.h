#pragma once

#include "StartOptions.h"

#include <QStringList>

namespace vastrel::startup {

// Reads the command line. The options are looked for anywhere in the upper-cased text, in
// any order; their effects come out in a fixed order. The value of "/ROOT:" runs to the end
// of the argument that holds it (Linux paths contain "/"), or is the next argument when
// nothing but blanks follows the name ("/ROOT: folder"). It is blanked out before the other
// options are looked for, so "/ROOT:/media/Testi/2000" is not also "/TESTI" and "/2".
class OptionParser
{
public:
    // arguments: the program's arguments without its name; sizes in pixels.
    static StartOptions parse(const QStringList& arguments, QSize screen,
                              const WindowSizeRange& limits, const QString& currentFolder);

    // The command line as one text: the arguments joined with one blank.
    static QString commandLine(const QStringList& arguments);
    // Whether the command line asks for a position of the main window.
    static bool asksForPosition(const QStringList& arguments);

private:
    struct Root
    {
        QString value;
        QString blankedOptionText;
    };
    static std::optional<Root> rootOption(const QStringList& arguments, const QString& upper);
    static QString rootFolder(QString value, const QString& currentFolder);
    static std::optional<Root> handedFolder(const QStringList& arguments, const QString& upper,
                                            const QString& currentFolder);
    static QRect geometry(const QString& optionText, bool halfMode, QSize screen,
                          const WindowSizeRange& limits);
};

} // namespace vastrel::startup
