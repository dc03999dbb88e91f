// The command-line parser on any arguments, over a few screens and window size limits.
#include "FuzzTargets.h"
#include "startup/OptionParser.h"

#include <QStringList>

namespace vastrel::fuzz {

namespace {

struct Screen
{
    QSize size;
    startup::WindowSizeRange limits;
};

const Screen kScreens[] = {
    {{1024, 768}, {{240, 300}, {240, 150}, {1036, 780}}},
    {{640, 480}, {{200, 250}, {200, 125}, {652, 492}}},
    {{3840, 2160}, {{320, 400}, {320, 200}, {3852, 2172}}},
};

// Arguments as the system hands them over: NUL bytes separate them, each is UTF-8.
QStringList argumentsOf(QByteArrayView data)
{
    QStringList arguments;
    while (true) {
        const qsizetype nul = data.indexOf('\0');
        arguments.append(QString::fromUtf8(nul < 0 ? data : data.first(nul)));
        if (nul < 0)
            return arguments;
        data = data.sliced(nul + 1);
    }
}

bool isHelp(const QStringList& arguments)
{
    const QString text = startup::OptionParser::commandLine(arguments).toUpper().trimmed();
    return text == u"/HELP" || text == u"/?" || text == u"/H";
}

} // namespace

void options(QByteArrayView data)
{
    const QStringList arguments = argumentsOf(data);
    for (const Screen& screen : kScreens) {
        const startup::StartOptions o = startup::OptionParser::parse(
            arguments, screen.size, screen.limits, QStringLiteral("/home/u"));
        const QRect g = o.geometry;
        const QSize minimum = o.halfMode ? screen.limits.minimumHalf : screen.limits.minimumFull;
        check(g.width() >= minimum.width() && g.width() <= screen.limits.maximum.width(),
              "the width stays within the window's limits");
        check(g.height() >= minimum.height() && g.height() <= screen.limits.maximum.height(),
              "the height stays within the window's limits");
        // Given or centred, part of the window stays on the screen.
        check(g.left() <= screen.size.width() - 8 && g.left() + g.width() >= 7,
              "part of the window stays on the screen horizontally");
        check(g.top() <= screen.size.height() - 8 && g.top() + g.height() >= 7,
              "part of the window stays on the screen vertically");
        if (o.rootCandidate)
            check(o.rootCandidate->startsWith(u'/') && o.rootCandidate->endsWith(u'/'),
                  "the root folder is absolute and ends with a separator");
        if (o.paneMode)
            check(*o.paneMode == vastrel::browser::PaneMode::TextsOnly ||
                      *o.paneMode == vastrel::browser::PaneMode::PicturesOnly,
                  "the pane mode is texts only or pictures only");
        if (o.help)
            check(isHelp(arguments), "help only for a command line that is exactly a help option");
    }
}

} // namespace vastrel::fuzz
