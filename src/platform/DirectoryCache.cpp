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
    const std::lock_guard lock(m_mutex);
    const auto it = m_listings.find(withoutTrailingSlash(folder));
    return it != m_listings.end() && !it->second.real.isEmpty() ? it->second.real : folder;
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
    const qsizetype slash = path.lastIndexOf(u'/');
    const bool inFolder = slash >= 0 && path != u"/";
    const QString parent = slash == 0 ? QStringLiteral("/") : path.left(slash);
    const QStringView name = QStringView(path).sliced(slash + 1);
    // The parent is listed once; every later lookup in it then costs no system call, and
    // is answered from the listing, with nothing worth remembering.
    if (inFolder && !FileSystem::isHiddenName(name)) {
        const Slot& folder = listed(parent);
        if (folder.listing) {
            const qsizetype i = folder.listing->find(name);
            if (i < 0)
                return std::nullopt;
            return join(folder.real.isEmpty() ? parent : folder.real, folder.listing->name(i));
        }
    }
    if (const auto known = remembered(path))
        return *known;

    std::optional<QString> result;
    if (!inFolder) {
        if (FileSystem::kind(path) != EntryKind::Missing)
            result = path;
    } else {
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

DirectoryCache::Slot& DirectoryCache::slot(const QString& folder)
{
    const std::lock_guard lock(m_mutex);
    return m_listings[folder];
}

void DirectoryCache::fill(Slot& slot, const QString& folder)
{
    ++m_listingsMade;
    slot.own = FileSystem::listFolder(folder);
    if (slot.own) {
        slot.listing = &*slot.own;
        return;
    }
    // Not there under this spelling: look the folder up without regard to case, and
    // remember the answer under both spellings.
    const auto real = resolve(folder);
    if (!real || *real == folder)
        return;
    const Slot& found = listed(*real);
    slot.listing = found.listing;
    if (slot.listing) {
        slot.real = found.real.isEmpty() ? *real : found.real;
        remember(folder, *real);
    }
}

const DirectoryCache::Slot& DirectoryCache::listed(const QString& folder)
{
    Slot& s = slot(folder);
    // Unlike std::call_once, this makes no system call when nobody waits.
    int state = Slot::Unlisted;
    if (s.state.compare_exchange_strong(state, Slot::BeingListed)) {
        fill(s, folder);
        s.state.store(Slot::Listed, std::memory_order_release);
        s.state.notify_all();
        return s;
    }
    while ((state = s.state.load(std::memory_order_acquire)) != Slot::Listed)
        s.state.wait(state, std::memory_order_acquire);
    return s;
}

const Listing* DirectoryCache::list(const QString& rawFolder)
{
    // Slots are never dropped while the cache lives, so the listing outlives this call.
    return listed(withoutTrailingSlash(rawFolder)).listing;
}

ReadResult DirectoryCache::readFile(const QString& path, qint64 maxBytes)
{
    ReadResult read = FileSystem::readFile(path, maxBytes);
    if (read.error != ENOENT && read.error != ENOTDIR)
        return read;
    const auto real = resolve(path);
    return real && *real != path ? FileSystem::readFile(*real, maxBytes) : read;
}

// The name goes first: only the kinds of the names that match are asked.
QStringList DirectoryCache::fileNames(const QString& folder, const Wildcard& pattern)
{
    QStringList names;
    if (const Listing* listing = list(folder)) {
        const QString prefix = pattern.prefix();
        for (qsizetype i = listing->lowerBound(prefix);
             i < listing->size() && listing->startsWith(i, prefix); ++i) {
            if (pattern.matches(listing->name(i)) && listing->isFile(i))
                names.append(listing->name(i).toString());
        }
    }
    return names;
}

// The kinds are asked in listing order up to the first file: usually the first name.
qsizetype DirectoryCache::firstFile(const Listing& listing, const Wildcard& pattern)
{
    const QString prefix = pattern.prefix();
    for (qsizetype i = listing.lowerBound(prefix);
         i < listing.size() && listing.startsWith(i, prefix); ++i) {
        if (pattern.matches(listing.name(i)) && listing.isFile(i))
            return i;
    }
    return -1;
}

std::optional<QString> DirectoryCache::firstFileName(const QString& folder, const Wildcard& pattern)
{
    const Listing* listing = list(folder);
    const qsizetype i = listing ? firstFile(*listing, pattern) : -1;
    return i >= 0 ? std::optional(listing->name(i).toString()) : std::nullopt;
}

bool DirectoryCache::hasFile(const QString& folder, const Wildcard& pattern)
{
    const Listing* listing = list(folder);
    return listing && firstFile(*listing, pattern) >= 0;
}

} // namespace vastrel::platform
