// Starts a program under the X server and times, from the moment just before it is started,
// when its first top-level window is mapped (seen from outside, as a MapNotify on the root
// window) and when its first frame has been painted (the program's own "startup painted_ns="
// line, written when QUINTARLOW_TRACE_STARTUP is set). Then ends the program.
//   quintarlow_startwatch PROGRAM [ARGUMENTS...]
// prints "mapped_ms=M painted_ms=P" and exits 0, or explains on stderr and exits 1 (it could not
// be watched or ended early) or 3 (still running, not painted within 30 s).
// Needs a window manager-less X server: with one, top-level windows are mapped by it.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct Free {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using XcbReply = std::unique_ptr<T, Free>;

class Display {
public:
    Display() : m_connection(xcb_connect(nullptr, nullptr)) {}
    ~Display() { xcb_disconnect(m_connection); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool ok() const { return xcb_connection_has_error(m_connection) == 0; }
    int fd() const { return xcb_get_file_descriptor(m_connection); }

    // From now on every window mapped as a child of the root window is reported.
    void watchMaps() {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        m_pidAtom = atom("_NET_WM_PID");
        // A round trip, so the server applies the mask before the program starts.
        XcbReply<xcb_get_input_focus_reply_t>(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    // True when a pending event says that a window of process `pid` was mapped.
    bool mappedBy(pid_t pid) {
        bool mapped = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                mapped = mapped || (!map->override_redirect && windowPid(map->window) == pid);
            }
            std::free(event);
        }
        return mapped;
    }

private:
    xcb_atom_t atom(const char* name) {
        XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, std::strlen(name), name), nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    pid_t windowPid(xcb_window_t window) {
        XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr));
        if (!reply || xcb_get_property_value_length(reply.get()) != 4)
            return -1;
        return static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply.get())));
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
};

// The program's standard error, line by line, watching for its first-frame line.
class TraceReader {
public:
    explicit TraceReader(int fd) : m_fd(fd) {}
    int fd() const { return m_fd; }

    // Reads what is there; false at end of file.
    bool read() {
        char buffer[4096];
        const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
        if (count <= 0)
            return false;
        m_pending.append(buffer, static_cast<std::size_t>(count));
        for (std::size_t end; (end = m_pending.find('\n')) != std::string::npos;) {
            const std::string line = m_pending.substr(0, end);
            m_pending.erase(0, end + 1);
            long long nanoseconds = 0;
            if (std::sscanf(line.c_str(), "startup painted_ns=%lld", &nanoseconds) == 1)
                painted = Clock::time_point(std::chrono::nanoseconds(nanoseconds));
        }
        return true;
    }

    std::optional<Clock::time_point> painted;

private:
    int m_fd;
    std::string m_pending;
};

// Where each thread of a program that has not painted in time is waiting, so that a slow
// start-up seen once on a busy machine can be told from a hang.
void describeThreads(pid_t pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::string name, state, waitingIn;
        std::getline(std::ifstream(task.path() / "comm"), name);
        std::getline(std::ifstream(task.path() / "wchan"), waitingIn);
        std::string stat;
        std::getline(std::ifstream(task.path() / "stat"), stat);
        // The state follows the name in parentheses, which may itself hold blanks.
        if (const auto close = stat.rfind(") "); close != std::string::npos)
            state = stat.substr(close + 2, 1);
        std::fprintf(stderr, "startwatch:   thread %s %s, state %s, waiting in %s\n",
                     task.path().filename().c_str(), name.c_str(), state.c_str(),
                     waitingIn.empty() ? "-" : waitingIn.c_str());
    }
}

void endProgram(pid_t pid) {
    kill(pid, SIGTERM);
    for (int waited = 0; waited < 50; ++waited) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(100'000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display display;
    if (!display.ok()) {
        std::fprintf(stderr, "startwatch: no X display\n");
        return 1;
    }
    display.watchMaps();

    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return 1;
    const Clock::time_point started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        setenv("QUINTARLOW_TRACE_STARTUP", "1", 1);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    close(pipeFds[1]);
    TraceReader trace(pipeFds[0]);

    std::optional<Clock::time_point> mapped;
    const auto deadline = started + std::chrono::seconds(30);
    bool running = true;
    while (running && (!mapped || !trace.painted) && Clock::now() < deadline) {
        pollfd fds[] = {{display.fd(), POLLIN, 0}, {trace.fd(), POLLIN, 0}};
        poll(fds, 2, 100);
        if (!mapped && display.mappedBy(pid))
            mapped = Clock::now();
        if (fds[1].revents != 0)
            running = trace.read();
    }
    if (running && (!mapped || !trace.painted)) {
        std::fprintf(stderr, "startwatch: %s was not %s within 30 s\n", argv[1],
                     !mapped ? (trace.painted ? "mapped" : "mapped nor painted") : "painted");
        describeThreads(pid);
        endProgram(pid);
        return 3;
    }
    endProgram(pid);
    if (!mapped || !trace.painted) {
        std::fprintf(stderr, "startwatch: %s ended before its window was mapped and painted\n",
                     argv[1]);
        return 1;
    }
    std::printf("mapped_ms=%.2f painted_ms=%.2f\n", millisecondsBetween(started, *mapped),
                millisecondsBetween(started, *trace.painted));
    return 0;
}
