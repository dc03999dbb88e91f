#include "DirectoryCache.h"

#include "FileSystem.h"

#include <cerrno>

namespace vastrel::platform {

QString DirectoryCache::withoutTrailingSlash(const QString& path)
{
    if (path.size() > 1 && path.endsWith(u'/'))
        return path.chopped(1);
    return path;
}

QString DirectoryCache::join(const QString& folder, QStringView name)
{
    QString path = folder;
    if (folder != u"/")
        path += u'/';
    path += name;
    return path;
}

// A listed folder as spelled on disk: list() files a listing under the spelling it was
// asked for too, and has resolved that spelling on the way.
QString DirectoryCache::realFolder(const QString& folder) const
{
    const auto real = remembered(folder);
    return real && *real ? **real : folder;
}

std::optional<std::optional<QString>> DirectoryCache::remembered(const QString& path) const
{
    const std::lock_guard lock(m_mutex);
    if (const auto it = m_resolved.find(path); it != m_resolved.end())
        return it->second;
    return std::nullopt;
}

void DirectoryCache::remember(const QString& path, const std::optional<QString>& real)
{
    const std::lock_guard lock(m_mutex);
    m_resolved.emplace(path, real);
}

std::optional<QString> DirectoryCache::resolve(const QString& rawPath)
{
    const QString path = withoutTrailingSlash(rawPath);
    if (const auto known = remembered(path))
        return *known;

    std::optional<QString> result;
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0 || path == u"/") {
        if (FileSystem::kind(path) != EntryKind::Missing)
            result = path;
    } else {
        const QString parent = slash == 0 ? QStringLiteral("/") : path.left(slash);
        const QString name = path.mid(slash + 1);
        // The parent is listed once; every later lookup in it then costs no system call.
        if (!FileSystem::isHiddenName(name)) {
            if (const Listing* listing = list(parent)) {
                // Answered from the listing: nothing worth remembering.
                const qsizetype i = listing->find(name);
                if (i < 0)
                    return std::nullopt;
                return join(realFolder(parent), listing->name(i));
            }
        }
        if (FileSystem::kind(path) != EntryKind::Missing) {
            result = path;
        } else if (const auto realParent = resolve(parent)) {
            if (const Listing* listing = list(*realParent)) {
                if (const qsizetype i = listing->find(name); i >= 0)
                    result = join(*realParent, listing->name(i));
            }
        }
    }
    remember(path, result);
    return result;
}

std::shared_ptr<DirectoryCache::Slot> DirectoryCache::slot(const QString& folder)
{
    const std::lock_guard lock(m_mutex);
    std::shared_ptr<Slot>& s = m_listings[folder];
    if (!s)
        s = std::make_shared<Slot>();
    return s;
}

void DirectoryCache::fill(Slot& slot, const QString& folder)
{
    ++m_listingsMade;
    if (auto listing = FileSystem::listFolder(folder)) {
        slot.listing = std::make_shared<const Listing>(std::move(*listing));
        return;
    }
    // Not there under this spelling: look the folder up without regard to case, and
    // remember the answer under both spellings.
    const auto real = resolve(folder);
    if (!real || *real == folder)
        return;
    slot.listing = listShared(*real);
    if (slot.listing)
        remember(folder, *real);
}

std::shared_ptr<const Listing> DirectoryCache::listShared(const QString& folder)
{
    const std::shared_ptr<Slot> s = slot(folder);
    std::call_once(s->made, [&] { fill(*s, folder); });
    return s->listing;
}

const Listing* DirectoryCache::list(const QString& rawFolder)
{
    // Slots are never dropped while the cache lives, so the listing outlives this call.
    return listShared(withoutTrailingSlash(rawFolder)).get();
}

ReadResult DirectoryCache::readFile(const QString& path, qint64 maxBytes)
{
    ReadResult read = FileSystem::readFile(path, maxBytes);
    if (read.error != ENOENT && read.error != ENOTDIR)
        return read;
    const auto real = resolve(path);
    return real && *real != path ? FileSystem::readFile(*real, maxBytes) : read;
}

QStringList DirectoryCache::fileNames(const QString& folder, const Wildcard& pattern)
{
    QStringList names;
    if (const Listing* listing = list(folder)) {
        const QString prefix = pattern.prefix();
        for (qsizetype i = listing->lowerBound(prefix);
             i < listing->size() && listing->startsWith(i, prefix); ++i) {
            if (!listing->isFolder(i) && pattern.matches(listing->name(i)))
                names.append(listing->name(i).toString());
        }
    }
    return names;
}

QStringList DirectoryCache::folderNames(const QString& folder)
{
    QStringList names;
    if (const Listing* listing = list(folder)) {
        for (qsizetype i = 0; i < listing->size(); ++i) {
            if (listing->isFolder(i))
                names.append(listing->name(i).toString());
        }
    }
    return names;
}

std::optional<QString> DirectoryCache::firstFileName(const QString& folder, const Wildcard& pattern)
{
    if (const Listing* listing = list(folder)) {
        const QString prefix = pattern.prefix();
        for (qsizetype i = listing->lowerBound(prefix);
             i < listing->size() && listing->startsWith(i, prefix); ++i) {
            if (!listing->isFolder(i) && pattern.matches(listing->name(i)))
                return listing->name(i).toString();
        }
    }
    return std::nullopt;
}

bool DirectoryCache::hasFile(const QString& folder, const Wildcard& pattern)
{
    return firstFileName(folder, pattern).has_value();
}

} // namespace vastrel::platform
