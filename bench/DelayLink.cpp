// A network link with a fixed delay between two network namespaces, for checking real
// network clients against servers on this machine (the kernel here has no netem). It puts a
// TUN device into each namespace and hands every packet that one side sends to the other
// side after the delay, in both directions.
// Usage: vastrel_delaylink MICROSECONDS NETNS_A DEVICE_A NETNS_B DEVICE_B
// The namespaces are those that `ip netns add` makes (/run/netns/NAME). It prints "ready"
// once both devices exist; they go away when it ends (SIGTERM or SIGINT).

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <linux/if_tun.h>
#include <net/if.h>
#include <poll.h>
#include <sched.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t stopping = 0;

void stop(int)
{
    stopping = 1;
}

// A TUN device of that name in that namespace, for this process to read and write.
int openTun(const char* netns, const char* name)
{
    const std::string path = std::string("/run/netns/") + netns;
    const int ns = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (ns < 0 || ::setns(ns, CLONE_NEWNET) != 0) {
        std::fprintf(stderr, "cannot enter %s: %s\n", path.c_str(), std::strerror(errno));
        std::exit(1);
    }
    ::close(ns);
    const int fd = ::open("/dev/net/tun", O_RDWR | O_NONBLOCK | O_CLOEXEC);
    ifreq request = {};
    request.ifr_flags = IFF_TUN | IFF_NO_PI;
    std::strncpy(request.ifr_name, name, IFNAMSIZ - 1);
    if (fd < 0 || ::ioctl(fd, TUNSETIFF, &request) != 0) {
        std::fprintf(stderr, "cannot make %s in %s: %s\n", name, netns, std::strerror(errno));
        std::exit(1);
    }
    return fd;
}

struct Packet
{
    Clock::time_point due;
    std::vector<char> bytes;
};

// One direction of the link: packets read from one device wait here for the other.
struct Direction
{
    int from;
    int to;
    std::deque<Packet> waiting;
};

void receive(Direction& d, Clock::duration delay)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(d.from, buffer, sizeof buffer);
        if (n <= 0)
            return;
        d.waiting.push_back({Clock::now() + delay, std::vector<char>(buffer, buffer + n)});
    }
}

// Sends what is due; a packet the other side cannot take now is dropped, as a full link
// drops it, and TCP sends it again.
void deliver(Direction& d)
{
    const Clock::time_point now = Clock::now();
    while (!d.waiting.empty() && d.waiting.front().due <= now) {
        const std::vector<char>& bytes = d.waiting.front().bytes;
        [[maybe_unused]] const ssize_t n = ::write(d.to, bytes.data(), bytes.size());
        d.waiting.pop_front();
    }
}

// How long poll may wait: until the first packet is due, or for ever.
timespec untilDue(const Direction (&directions)[2], bool& forever)
{
    Clock::time_point first = Clock::time_point::max();
    for (const Direction& d : directions) {
        if (!d.waiting.empty())
            first = std::min(first, d.waiting.front().due);
    }
    forever = first == Clock::time_point::max();
    const auto wait = std::max(Clock::duration::zero(), first - Clock::now());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
        forever ? Clock::duration::zero() : wait);
    return {time_t(ns.count() / 1000000000), long(ns.count() % 1000000000)};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s MICROSECONDS NETNS_A DEVICE_A NETNS_B DEVICE_B\n", argv[0]);
        return 2;
    }
    const auto delay = std::chrono::microseconds(std::atol(argv[1]));
    const int a = openTun(argv[2], argv[3]);
    const int b = openTun(argv[4], argv[5]);
    // Woken when a packet is due, not up to the default 50 µs later.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    std::signal(SIGTERM, stop);
    std::signal(SIGINT, stop);
    std::puts("ready");
    std::fflush(stdout);

    Direction directions[2] = {{a, b, {}}, {b, a, {}}};
    pollfd fds[2] = {{a, POLLIN, 0}, {b, POLLIN, 0}};
    while (!stopping) {
        bool forever = false;
        const timespec wait = untilDue(directions, forever);
        if (::ppoll(fds, 2, forever ? nullptr : &wait, nullptr) < 0 && errno != EINTR)
            return 1;
        for (Direction& d : directions) {
            receive(d, delay);
            deliver(d);
        }
    }
    return 0;
}
