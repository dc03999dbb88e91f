#include "OptionParser.h"

#include "platform/Blanks.h"
#include "platform/FileSystem.h"
#include "platform/LenientNumber.h"
#include "platform/TextCase.h"

#include <QDir>
#include <QUrl>
#include <cmath>

namespace vastrel::startup {

namespace {

std::optional<double> numericOption(const QString& optionText, QStringView name)
{
    const qsizetype at = optionText.indexOf(name);
    if (at < 0)
        return std::nullopt;
    return platform::LenientNumber::read(QStringView(optionText).sliced(at + name.size()));
}

int nearest(double x)
{
    return int(std::nearbyint(x));
}

// Keeps a requested left (or top) edge so that part of the window stays on the screen.
double keepOnScreen(double edge, double screen, double window)
{
    if (edge >= screen - 8)
        edge = screen - 9;
    if (edge <= 7 - window)
        edge = 8 - window;
    return edge;
}

} // namespace

QString OptionParser::commandLine(const QStringList& arguments)
{
    return arguments.join(u' ');
}

std::optional<OptionParser::Root> OptionParser::rootOption(const QStringList& arguments,
                                                           const QString& upper)
{
    static const QString name = QStringLiteral("/ROOT:");
    const qsizetype at = upper.indexOf(name);
    if (at < 0)
        return std::nullopt;
    // The argument that holds the option's name, and where it begins in the joined text.
    qsizetype index = 0;
    qsizetype begin = 0;
    while (begin + arguments[index].size() < at + name.size())
        begin += arguments[index++].size() + 1;
    const qsizetype valueAt = at + name.size();
    qsizetype end = begin + arguments[index].size();
    // "/ROOT: /media/Musica": the shell hands the folder over as the next argument.
    const QString attached = arguments[index].sliced(valueAt - begin);
    if (platform::Blanks::trim(attached).isEmpty() && index + 1 < arguments.size())
        end += 1 + arguments[index + 1].size();
    Root root;
    root.value = commandLine(arguments).mid(valueAt, end - valueAt);
    root.blankedOptionText = upper;
    root.blankedOptionText.replace(at, end - at, QString(end - at, u' '));
    return root;
}

bool OptionParser::asksForPosition(const QStringList& arguments)
{
    // Asked before the application exists: there is no screen yet, and no geometry is used.
    const QSize any(1, 1);
    return parse(arguments, any, {any, any, any}, QDir::currentPath()).positioned;
}

QString OptionParser::rootFolder(QString value, const QString& currentFolder)
{
    value = platform::Blanks::trim(value);
    if (value.startsWith(u'"')) {
        value = platform::Blanks::trim(QStringView(value).sliced(1));
        if (value.endsWith(u'"'))
            value = platform::Blanks::trim(QStringView(value).chopped(1));
    }
    // A relative folder is taken from where the program was started, as shells do.
    if (!value.startsWith(u'/'))
        value = QDir::cleanPath(currentFolder + u'/' + value);
    if (!value.endsWith(u'/'))
        value += u'/';
    return value;
}

// A folder handed over as an argument, as a file manager hands one to the program it opens
// it with: the path or the file:// URI of an existing folder. The first one counts, and it is
// no option text, as the root option's value is not.
std::optional<OptionParser::Root> OptionParser::handedFolder(const QStringList& arguments,
                                                             const QString& upper,
                                                             const QString& currentFolder)
{
    qsizetype at = 0;
    for (const QString& argument : arguments) {
        QString path = argument;
        if (argument.startsWith(QStringLiteral("file://"), Qt::CaseInsensitive))
            path = QUrl(argument).toLocalFile();
        if (!path.isEmpty() && !path.startsWith(u'/'))
            path = currentFolder + u'/' + path;
        if (!path.isEmpty() && platform::FileSystem::kind(path) == platform::EntryKind::Folder) {
            Root folder;
            folder.value = QDir::cleanPath(path);
            if (!folder.value.endsWith(u'/'))
                folder.value += u'/';
            folder.blankedOptionText = upper;
            folder.blankedOptionText.replace(at, argument.size(), QString(argument.size(), u' '));
            return folder;
        }
        at += argument.size() + 1;
    }
    return std::nullopt;
}

QRect OptionParser::geometry(const QString& optionText, bool halfMode, QSize screen,
                             const WindowSizeRange& limits)
{
    const QSize minimum = halfMode ? limits.minimumHalf : limits.minimumFull;
    double w;
    if (const auto l = numericOption(optionText, u"/L:"))
        w = std::clamp(*l, 1.0, double(limits.maximum.width()));
    else
        w = std::min(std::floor(screen.width() * 0.9), 900.0);
    double h;
    if (const auto a = numericOption(optionText, u"/A:")) {
        h = std::clamp(*a, 1.0, double(limits.maximum.height()));
    } else {
        h = std::min(std::floor(screen.height() * 0.8), 600.0);
        if (halfMode)
            h /= 2;
    }
    // The window's own size limits apply as the size is set; the edges use the result.
    const int width = std::clamp(nearest(w), minimum.width(), limits.maximum.width());
    const int height = std::clamp(nearest(h), minimum.height(), limits.maximum.height());

    double x = (screen.width() - width) / 2.0;
    if (const auto v = numericOption(optionText, u"/X:"))
        x = keepOnScreen(*v, screen.width(), width);
    double y = (screen.height() - height) / 2.0;
    if (const auto v = numericOption(optionText, u"/Y:"))
        y = keepOnScreen(*v, screen.height(), height);
    return QRect(nearest(x), nearest(y), width, height);
}

StartOptions OptionParser::parse(const QStringList& arguments, QSize screen,
                                 const WindowSizeRange& limits, const QString& currentFolder)
{
    const QString upper = platform::TextCase::upper(commandLine(arguments));
    const QString optionText = platform::Blanks::trim(upper);
    StartOptions options;

    QString searched = optionText;
    if (const auto root = rootOption(arguments, upper)) {
        options.rootCandidate = rootFolder(root->value, currentFolder);
        searched = platform::Blanks::trim(root->blankedOptionText);
    } else if (const auto folder = handedFolder(arguments, upper, currentFolder)) {
        options.rootCandidate = folder->value;
        searched = platform::Blanks::trim(folder->blankedOptionText);
    }
    auto has = [&searched](QStringView name) { return searched.contains(name); };
    options.onlyDuplicates = has(u"/DUPLICATI");
    options.onlyOriginals = has(u"/ORIGINALI");
    options.halfMode = has(u"/2");
    if (has(u"/IMMAGINI"))
        options.paneMode = browser::PaneMode::PicturesOnly;
    if (has(u"/TESTI"))
        options.paneMode = browser::PaneMode::TextsOnly;
    options.alphabetical = has(u"/AZ");
    if (const auto zoom = numericOption(searched, u"/ZOOM:"))
        options.textZoom = browser::TextZoom::clamp(*zoom);
    options.geometry = geometry(searched, options.halfMode, screen, limits);
    options.positioned = has(u"/X:") || has(u"/Y:");
    options.help = optionText == u"/HELP" || optionText == u"/?" || optionText == u"/H";
    options.maximised = upper.contains(u"/MAX");
    return options;
}

} // namespace vastrel::startup
