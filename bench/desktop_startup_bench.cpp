// Start-up time of the desktop program: from starting the process to its
// first window being mapped on the X server, median of 20 warm starts.
//
// The program runs from a copy of the run folder, on a private Xvfb server
// that the bench starts itself (or on $DISPLAY when Xvfb is not installed).
// Two cases: with a working sound output (SDL's disk driver writing to
// /dev/null stands in for a sound card), where the first window is the main
// window; and with no sound output at all, where the first window is the
// message that the machine's sounds will not be heard.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kWarmRuns = 2;
constexpr int kRuns = 20;
constexpr int kTimeoutMs = 10000;

struct Child {
    pid_t pid = -1;
    int ending = SIGTERM;
    ~Child() { stop(); }
    void stop() {
        if (pid <= 0) return;
        ::kill(pid, ending);
        int status = 0;
        ::waitpid(pid, &status, 0);
        pid = -1;
    }
};

pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv,
            const fs::path& folder, int keepFd = -1) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const bool replaced =
            std::any_of(extraEnv.begin(), extraEnv.end(), [&](const std::string& x) {
                return entry.compare(0, x.find('=') + 1, x, 0, x.find('=') + 1) == 0;
            });
        if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    const int devnull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    posix_spawn_file_actions_adddup2(&actions, devnull, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, devnull, STDERR_FILENO);
    (void)keepFd;  // inherited: it has no close-on-exec flag
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(devnull);
    return error == 0 ? pid : -1;
}

// A private X server: Xvfb tells its display number through a pipe.
std::optional<std::string> startxvfb(Child& server) {
    int pipefd[2];
    if (::pipe(pipefd) != 0) return std::nullopt;
    ::fcntl(pipefd[0], F_SETFD, FD_CLOEXEC);  // only the writing end goes to Xvfb
    server.pid = spawn({"Xvfb", "-displayfd", std::to_string(pipefd[1]), "-nolisten", "tcp",
                        "-screen", "0", "1280x1024x24"},
                       {}, fs::current_path(), pipefd[1]);
    ::close(pipefd[1]);
    if (server.pid <= 0) {
        ::close(pipefd[0]);
        return std::nullopt;
    }
    std::string number;
    char c = 0;
    pollfd p{pipefd[0], POLLIN, 0};
    while (::poll(&p, 1, kTimeoutMs) > 0 && ::read(pipefd[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(pipefd[0]);
    if (number.empty()) return std::nullopt;
    return ":" + number;
}

std::string windowtitle(xcb_connection_t* x, xcb_window_t window) {
    const char name[] = "_NET_WM_NAME";
    auto atomReply = std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)>(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, sizeof name - 1, name), nullptr),
        &std::free);
    for (const xcb_atom_t property :
         {atomReply ? atomReply->atom : xcb_atom_t{XCB_ATOM_NONE}, xcb_atom_t{XCB_ATOM_WM_NAME}}) {
        if (property == XCB_ATOM_NONE) continue;
        auto reply = std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>(
            xcb_get_property_reply(
                x, xcb_get_property(x, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                nullptr),
            &std::free);
        if (reply && xcb_get_property_value_length(reply.get()) > 0) {
            return std::string(
                static_cast<const char*>(xcb_get_property_value(reply.get())),
                static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
        }
    }
    return "?";
}

struct Start {
    double ms;
    std::string title;
};

// Starts the program and waits for the first window it maps.
std::optional<Start> startonce(xcb_connection_t* x, const fs::path& folder,
                               const std::string& display, const std::vector<std::string>& env) {
    while (auto* stale = xcb_poll_for_event(x)) std::free(stale);
    std::vector<std::string> allEnv = {"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb"};
    allEnv.insert(allEnv.end(), env.begin(), env.end());
    const auto begin = Clock::now();
    Child program;
    // SDL's audio takes over SIGTERM (it would post a quit event that no one
    // reads), so the measured program is killed outright.
    program.ending = SIGKILL;
    program.pid = spawn({(folder / "ulvora").string()}, allEnv, folder);
    if (program.pid <= 0) return std::nullopt;
    pollfd p{xcb_get_file_descriptor(x), POLLIN, 0};
    while (Clock::now() - begin < std::chrono::milliseconds(kTimeoutMs)) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (event == nullptr) {
            ::poll(&p, 1, 100);
            continue;
        }
        const bool mapped =
            (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
            reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect == 0;
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        std::free(event);
        if (!mapped) continue;
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
        return Start{ms, windowtitle(x, window)};
    }
    return std::nullopt;
}

void copyrunfolder(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const char* name : {"ulvora", "sounds.dat", "data.dta"}) {
        if (fs::exists(from / name))
            fs::copy_file(from / name, to / name, fs::copy_options::overwrite_existing);
    }
}

}  // namespace

int main() {
    const fs::path run = ULVORA_RUN_DIR;
    if (!fs::exists(run / "ulvora")) {
        std::printf("desktop start-up: %s/ulvora is not built\n", run.c_str());
        return 1;
    }
    Child server;
    std::string display;
    if (auto own = startxvfb(server)) {
        display = *own;
    } else if (const char* existing = std::getenv("DISPLAY")) {
        display = existing;
    } else {
        std::printf("desktop start-up: skipped, no Xvfb installed and no DISPLAY\n");
        return 0;
    }
    xcb_connection_t* x = nullptr;
    for (int attempt = 0; attempt < 50; ++attempt) {
        x = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(x) == 0) break;
        xcb_disconnect(x);
        x = nullptr;
        ::usleep(100000);
    }
    if (x == nullptr) {
        std::printf("desktop start-up: cannot connect to X display %s\n", display.c_str());
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const fs::path folder =
        fs::temp_directory_path() / ("ulvora-startup-bench-" + std::to_string(::getpid()));
    copyrunfolder(run, folder);

    struct Case {
        const char* label;
        std::vector<std::string> env;
    };
    const Case cases[] = {
        {"with a sound output", {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=/dev/null"}},
        {"with no sound output", {"SDL_AUDIODRIVER=", "AUDIODEV=/nonexistent"}},
    };
    std::printf("desktop start-up to the first window mapped (X display %s, %d warm starts)\n",
                display.c_str(), kRuns);
    int failures = 0;
    for (const Case& c : cases) {
        std::vector<double> times;
        std::string title;
        for (int k = 0; k < kWarmRuns + kRuns; ++k) {
            const auto start = startonce(x, folder, display, c.env);
            if (!start) {
                ++failures;
                continue;
            }
            if (k >= kWarmRuns) times.push_back(start->ms);
            title = start->title;
        }
        if (times.empty()) {
            std::printf("  %-22s no window appeared\n", c.label);
            continue;
        }
        std::sort(times.begin(), times.end());
        std::printf("  %-22s median %6.1f ms  min %6.1f  max %6.1f  first window: \"%s\"\n",
                    c.label, times[times.size() / 2], times.front(), times.back(), title.c_str());
    }
    xcb_disconnect(x);
    fs::remove_all(folder);
    return failures == 0 ? 0 : 1;
}
