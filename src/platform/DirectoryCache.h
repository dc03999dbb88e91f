#pragma once

#include "Listing.h"
#include "ReadResult.h"
#include "Wildcard.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace vastrel::platform {

// Folder listings and case-insensitive path lookups for the span of one operation
// (an album refresh, a track-list rebuild): a folder is listed at most once, and
// nothing is remembered afterwards, so every operation sees the disk as it is.
//
// A path component resolves to the entry with exactly that name, or else to the first
// visible entry (listing order) whose upper-cased name is equal; so a collection copied
// from a case-insensitive file system works unchanged.
//
// Threads of one operation may share a cache: a folder that two of them ask for at once is
// still listed once, and the second waits for that listing.
class DirectoryCache
{
public:
    DirectoryCache() = default;
    DirectoryCache(const DirectoryCache&) = delete;
    DirectoryCache& operator=(const DirectoryCache&) = delete;

    // The real path, each component spelled as on disk; nothing when a component is missing.
    std::optional<QString> resolve(const QString& path);
    // Reads a file by its path as spelled, or else as the case-insensitive lookup finds it.
    ReadResult readFile(const QString& path, qint64 maxBytes);
    // The visible entries of a folder; nullptr when it cannot be listed.
    const Listing* list(const QString& folder);

    QStringList fileNames(const QString& folder, const Wildcard& pattern);
    std::optional<QString> firstFileName(const QString& folder, const Wildcard& pattern);
    bool hasFile(const QString& folder, const Wildcard& pattern);
    // A listed folder as spelled on disk.
    QString realFolder(const QString& folder) const;
    static QString join(const QString& folder, QStringView name);

    // How many folders were listed from disk (tests check that nothing is listed twice).
    int listingsMade() const { return m_listingsMade; }

private:
    // A folder's listing, made by the first thread that asks for it; another thread that
    // asks meanwhile waits for it. Slots live in the map's nodes, which stay where they are
    // while the cache lives.
    struct Slot
    {
        enum State
        {
            Unlisted,
            BeingListed,
            Listed,
        };
        std::atomic<int> state = Unlisted;
        std::optional<Listing> own;
        const Listing* listing = nullptr; // nullptr: the folder cannot be listed
        QString real;                     // the folder as spelled on disk, when otherwise
    };

    static QString withoutTrailingSlash(const QString& path);
    static qsizetype firstFile(const Listing& listing, const Wildcard& pattern);
    Slot& slot(const QString& folder);
    const Slot& listed(const QString& folder);
    void fill(Slot& slot, const QString& folder);
    std::optional<std::optional<QString>> remembered(const QString& path) const;
    void remember(const QString& path, const std::optional<QString>& real);

    // Not noexcept, so that the maps keep each key's hash: a lookup then compares hashes,
    // not whole paths, along a bucket.
    struct Hash
    {
        size_t operator()(const QString& s) const { return qHash(s); }
    };
    mutable std::mutex m_mutex; // guards both maps, never held while the disk is asked
    std::unordered_map<QString, Slot, Hash> m_listings;
    std::unordered_map<QString, std::optional<QString>, Hash> m_resolved;
    std::atomic<int> m_listingsMade = 0;
};

} // namespace vastrel::platform
