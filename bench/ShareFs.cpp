// A network share for the benchmarks: a source folder passed through FUSE, read-only, where
// every request waits a fixed time before it is answered, as a round trip to a NAS does.
// Lookups and attributes keep the kernel's default caching of one second, as a share's do.
// Usage: vastrel_sharefs [--untyped] MS SOURCE MOUNTPOINT [FUSE options]
// --untyped lists names without their types (DT_UNKNOWN), as several network clients do.
// It stays in the foreground and prints "ready" once the kernel has connected; each line
// "count" on its standard input is answered with the number of requests answered so far.

#define FUSE_USE_VERSION 35

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fuse.h>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::string source;
std::chrono::milliseconds latency;
bool untyped = false;
std::atomic<long> requests = 0;

// Every request pays the round trip, also one that fails.
void roundTrip()
{
    ++requests;
    std::this_thread::sleep_for(latency);
}

// Answers "count" with the requests so far, for as long as standard input stays open.
void answerCounts()
{
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        std::printf("%ld\n", requests.load());
        std::fflush(stdout);
    }
}

std::string local(const char* path)
{
    roundTrip();
    return source + path;
}

int result(int rc)
{
    return rc < 0 ? -errno : 0;
}

int shareGetattr(const char* path, struct stat* st, fuse_file_info*)
{
    return result(::lstat(local(path).c_str(), st));
}

int shareStatfs(const char* path, struct statvfs* st)
{
    return result(::statvfs(local(path).c_str(), st));
}

int shareOpendir(const char* path, fuse_file_info* fi)
{
    DIR* dir = ::opendir(local(path).c_str());
    if (dir == nullptr)
        return -errno;
    fi->fh = reinterpret_cast<std::uintptr_t>(dir);
    return 0;
}

int shareReaddir(const char*, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info* fi,
                 fuse_readdir_flags)
{
    roundTrip();
    DIR* dir = reinterpret_cast<DIR*>(fi->fh); // NOLINT(performance-no-int-to-ptr): FUSE's handle
    ::rewinddir(dir);
    // The entry types go along, as most shares' listings carry them: no lookup to learn
    // them. Without them, whoever needs an entry's kind looks the entry up.
    struct stat st = {};
    while (const dirent* d = ::readdir(dir)) {
        st.st_ino = d->d_ino;
        st.st_mode = DTTOIF(d->d_type);
        if (fill(buffer, d->d_name, untyped ? nullptr : &st, 0, fuse_fill_dir_flags(0)) != 0)
            return -ENOMEM;
    }
    return 0;
}

int shareReleasedir(const char*, fuse_file_info* fi)
{
    roundTrip();
    ::closedir(reinterpret_cast<DIR*>(fi->fh)); // NOLINT(performance-no-int-to-ptr)
    return 0;
}

int shareOpen(const char* path, fuse_file_info* fi)
{
    const std::string file = local(path);
    if ((fi->flags & O_ACCMODE) != O_RDONLY)
        return -EROFS;
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0)
        return -errno;
    fi->fh = std::uint64_t(fd);
    return 0;
}

int shareRead(const char*, char* buffer, size_t size, off_t offset, fuse_file_info* fi)
{
    roundTrip();
    const ssize_t n = ::pread(int(fi->fh), buffer, size, offset);
    return n < 0 ? -errno : int(n);
}

int shareRelease(const char*, fuse_file_info* fi)
{
    roundTrip();
    ::close(int(fi->fh));
    return 0;
}

void* shareInit(fuse_conn_info* conn, fuse_config*)
{
    // Read-ahead and releases go in the background; the kernel's default of 12 of them at a
    // time would cap the 16-way floors below 16.
    conn->max_background = 64;
    conn->congestion_threshold = 48;
    std::puts("ready");
    std::fflush(stdout);
    std::thread(answerCounts).detach();
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    const char* program = argv[0];
    untyped = argc > 1 && std::string(argv[1]) == "--untyped";
    if (untyped)
        --argc, ++argv;
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s [--untyped] MS SOURCE MOUNTPOINT [FUSE options]\n",
                     program);
        return 2;
    }
    latency = std::chrono::milliseconds(std::atoi(argv[1]));
    source = argv[2];
    while (source.size() > 1 && source.back() == '/')
        source.pop_back();

    fuse_operations ops = {};
    ops.getattr = shareGetattr;
    ops.statfs = shareStatfs;
    ops.opendir = shareOpendir;
    ops.readdir = shareReaddir;
    ops.releasedir = shareReleasedir;
    ops.open = shareOpen;
    ops.read = shareRead;
    ops.release = shareRelease;
    ops.init = shareInit;

    // Enough worker threads for every request of 16 readers and the kernel's read-ahead.
    std::string options =
        "ro,fsname=vastrel_share,subtype=vastrel,max_threads=64,max_idle_threads=64";
    std::vector<char*> args = {const_cast<char*>(program), argv[3], const_cast<char*>("-f"),
                               const_cast<char*>("-o"), options.data()};
    args.insert(args.end(), argv + 4, argv + argc);
    return fuse_main(int(args.size()), args.data(), &ops, nullptr);
}
