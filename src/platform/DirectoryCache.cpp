#include "DirectoryCache.h"

#include "FileSystem.h"
#include "TextCase.h"

namespace vastrel::platform {

QString DirectoryCache::withoutTrailingSlash(const QString& path)
{
    if (path.size() > 1 && path.endsWith(u'/'))
        return path.chopped(1);
    return path;
}

const DirEntry* DirectoryCache::findEntry(const Listing& listing, const QString& name)
{
    for (const DirEntry& e : listing) {
        if (e.name == name)
            return &e;
    }
    const QString upper = TextCase::upper(name);
    for (const DirEntry& e : listing) {
        if (e.upperName == upper)
            return &e;
    }
    return nullptr;
}

const DirectoryCache::Listing* DirectoryCache::listExact(const QString& folder)
{
    auto it = m_listings.find(folder);
    if (it == m_listings.end()) {
        ++m_listingsMade;
        auto listing = FileSystem::listFolder(folder);
        it = m_listings
                 .emplace(folder,
                          listing ? std::make_shared<const Listing>(std::move(*listing)) : nullptr)
                 .first;
    }
    return it->second.get();
}

std::optional<QString> DirectoryCache::resolve(const QString& rawPath)
{
    const QString path = withoutTrailingSlash(rawPath);
    if (auto it = m_resolved.find(path); it != m_resolved.end())
        return it->second;

    std::optional<QString> result;
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0 || path == u"/") {
        if (FileSystem::kind(path) != EntryKind::Missing)
            result = path;
    } else {
        const QString parent = slash == 0 ? QStringLiteral("/") : path.left(slash);
        const QString name = path.mid(slash + 1);
        const QString joiner = parent == u"/" ? QString() : QStringLiteral("/");
        const auto listed = m_listings.find(parent);
        if (listed != m_listings.end() && listed->second && !FileSystem::isHiddenName(name)) {
            if (const DirEntry* e = findEntry(*listed->second, name))
                result = parent + joiner + e->name;
        } else if (FileSystem::kind(path) != EntryKind::Missing) {
            result = path;
        } else if (const auto realParent = resolve(parent)) {
            if (const Listing* listing = list(*realParent)) {
                if (const DirEntry* e = findEntry(*listing, name))
                    result = *realParent + (*realParent == u"/" ? QString() : QStringLiteral("/")) +
                             e->name;
            }
        }
    }
    m_resolved.emplace(path, result);
    return result;
}

const DirectoryCache::Listing* DirectoryCache::list(const QString& rawFolder)
{
    const QString folder = withoutTrailingSlash(rawFolder);
    if (auto it = m_listings.find(folder); it != m_listings.end())
        return it->second.get();
    if (const Listing* listing = listExact(folder))
        return listing;
    // Not there under this spelling: look the folder up without regard to case, and
    // remember the answer under both spellings.
    const auto real = resolve(folder);
    if (!real || *real == folder)
        return nullptr;
    listExact(*real);
    const auto shared = m_listings.at(*real);
    m_listings[folder] = shared;
    return shared.get();
}

QStringList DirectoryCache::fileNames(const QString& folder, const Wildcard& pattern)
{
    QStringList names;
    if (const Listing* listing = list(folder)) {
        for (const DirEntry& e : *listing) {
            if (!e.isFolder && pattern.matchesUpper(e.upperName))
                names.append(e.name);
        }
    }
    return names;
}

QStringList DirectoryCache::folderNames(const QString& folder)
{
    QStringList names;
    if (const Listing* listing = list(folder)) {
        for (const DirEntry& e : *listing) {
            if (e.isFolder)
                names.append(e.name);
        }
    }
    return names;
}

std::optional<QString> DirectoryCache::firstFileName(const QString& folder, const Wildcard& pattern)
{
    if (const Listing* listing = list(folder)) {
        for (const DirEntry& e : *listing) {
            if (!e.isFolder && pattern.matchesUpper(e.upperName))
                return e.name;
        }
    }
    return std::nullopt;
}

bool DirectoryCache::hasFile(const QString& folder, const Wildcard& pattern)
{
    return firstFileName(folder, pattern).has_value();
}

} // namespace vastrel::platform
