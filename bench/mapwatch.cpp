// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "benchfigures.h"

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

// Starts a program on $DISPLAY, waits until one of its top-level windows is
// mapped, and prints the milliseconds that took from the fork and the
// program's peak resident memory so far; then kills it.
// Usage: mapwatch PROGRAM [ARGUMENTS...]
// Prints "MILLISECONDS ms KIB kB"; the program's own output goes to stderr.

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Patience = std::chrono::seconds(30);
constexpr int PollMilliseconds = 20;

// xcb hands out its replies, events and errors in malloc'd memory.
struct Reply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T> using ReplyPtr = std::unique_ptr<T, Reply>;

// The measured program: started at once, killed when it goes out of scope.
class Child
{
public:
    explicit Child(char *argv[]) : m_pid(fork())
    {
        if (m_pid == 0) {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            execvp(argv[0], argv);
            std::perror(argv[0]);
            _exit(127);
        }
    }
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;
    ~Child()
    {
        if (m_pid > 0 && !m_reaped) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }

    bool ended()
    {
        m_reaped = m_reaped || waitpid(m_pid, nullptr, WNOHANG) != 0;
        return m_reaped;
    }

    [[nodiscard]] pid_t pid() const { return m_pid; }

private:
    const pid_t m_pid;
    bool m_reaped = false;
};

class MapWatch
{
public:
    MapWatch() : m_connection(xcb_connect(nullptr, nullptr)) {}
    MapWatch(const MapWatch &) = delete;
    MapWatch &operator=(const MapWatch &) = delete;
    ~MapWatch() { xcb_disconnect(m_connection); }

    // Listens for maps of the root's children, and waits until the server has
    // taken that on, so no map of a program started afterwards goes unseen.
    bool listen()
    {
        if (xcb_connection_has_error(m_connection) != 0)
            return false;
        // The measured program opens a connection of its own, not this one.
        fcntl(xcb_get_file_descriptor(m_connection), F_SETFD, FD_CLOEXEC);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        const xcb_void_cookie_t selected =
            xcb_change_window_attributes_checked(m_connection, root, XCB_CW_EVENT_MASK, &mask);
        const std::string pidName = "_NET_WM_PID";
        const ReplyPtr<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
            m_connection,
            xcb_intern_atom(m_connection, 0, std::uint16_t(pidName.size()), pidName.c_str()),
            nullptr));
        const ReplyPtr<xcb_generic_error_t> error(xcb_request_check(m_connection, selected));
        if (!atom || error)
            return false;
        m_pidAtom = atom->atom;
        return true;
    }

    // When a window of the child was mapped, or nothing if the child ended
    // first or the deadline passed.
    std::optional<Clock::time_point> waitForMap(Child &child, Clock::time_point deadline)
    {
        pollfd socket{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        while (Clock::now() < deadline) {
            while (const ReplyPtr<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
                const Clock::time_point arrived = Clock::now();
                if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                    continue;
                const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
                // Menus and tooltips bypass the window manager; they are not the window.
                if (map->override_redirect == 0 && ownedBy(map->window, child.pid()))
                    return arrived;
            }
            if (xcb_connection_has_error(m_connection) != 0 || child.ended())
                return std::nullopt;
            poll(&socket, 1, PollMilliseconds);
        }
        return std::nullopt;
    }

private:
    // Qt marks its windows with their process; an unmarked window on this
    // private display can only be the program's too.
    bool ownedBy(xcb_window_t window, pid_t pid)
    {
        const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr));
        if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(std::uint32_t))
            return true;
        return *static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get())) ==
               std::uint32_t(pid);
    }

    xcb_connection_t *m_connection;
    xcb_atom_t m_pidAtom = 0;
};

std::optional<long> peakMemoryKiB(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/status");
    const std::string status{std::istreambuf_iterator<char>(file), {}};
    return statusField(status, "VmHWM");
}

struct Figures
{
    double milliseconds;
    long peakKiB;
};

std::optional<Figures> measure(char *argv[])
{
    MapWatch watch;
    if (!watch.listen()) {
        std::fprintf(stderr, "mapwatch: cannot watch the X display\n");
        return std::nullopt;
    }
    const Clock::time_point started = Clock::now();
    Child child(argv);
    if (child.pid() < 0) {
        std::perror("mapwatch: fork");
        return std::nullopt;
    }
    const std::optional<Clock::time_point> mapped = watch.waitForMap(child, started + Patience);
    const std::optional<long> peak = mapped ? peakMemoryKiB(child.pid()) : std::nullopt;
    if (!peak) {
        std::fprintf(stderr, "mapwatch: %s mapped no window\n", argv[0]);
        return std::nullopt;
    }
    return Figures{std::chrono::duration<double, std::milli>(*mapped - started).count(), *peak};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwatch PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const std::optional<Figures> figures = measure(argv + 1);
    if (!figures)
        return 1;
    std::printf("%.1f ms %ld kB\n", figures->milliseconds, figures->peakKiB);
    return 0;
}
