// SPDX-License-Identifier: GPL-3.0-or-later
// sumbrook-map-time: how long programs take from their start until their first window is
// mapped on the X server, and how much memory they then hold. The programs are started in
// turn, round after round, so a load on the machine falls on each alike.
//
//     DISPLAY=:N build/sumbrook-map-time [--rounds N] PROGRAM...
//
// Needs an X server without a window manager (Xvfb, package xvfb): the first window mapped
// as a child of the root window after a program starts is taken as its window. Prints one
// line per program: the median and the fastest time to the map, the median resident memory
// (VmRSS) half a second after the map, and the median time relative to the first program.

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Waits for the next map of a top-level window; false after timeoutMs without one.
bool waitForMap(xcb_connection_t* x, int timeoutMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < end) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped) return true;
        }
        pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
        const int left = int(milliseconds(end - Clock::now()));
        if (left > 0) poll(&fd, 1, left);
    }
    return false;
}

void drain(xcb_connection_t* x, int forMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(forMs);
    while (Clock::now() < end) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) std::free(event);
        pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
        poll(&fd, 1, 10);
    }
}

double residentMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib / 1024;
        }
    return 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Program {
    std::string path;
    std::vector<double> mapMs, rssMiB;
};

} // namespace

int main(int argc, char* argv[]) {
    int rounds = 25, first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--rounds") == 0) {
        rounds = std::atoi(argv[2]);
        first = 3;
    }
    std::vector<Program> programs;
    for (int i = first; i < argc; ++i) programs.push_back({argv[i], {}, {}});
    if (programs.empty() || rounds < 1) {
        std::fprintf(stderr, "usage: sumbrook-map-time [--rounds N] PROGRAM...\n");
        return 2;
    }

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "sumbrook-map-time: no X server on DISPLAY\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    for (int round = 0; round < rounds; ++round) {
        for (Program& program : programs) {
            drain(x, 50);
            char* args[] = {program.path.data(), nullptr};
            pid_t pid = 0;
            const auto start = Clock::now();
            if (posix_spawn(&pid, args[0], nullptr, nullptr, args, environ) != 0) {
                std::fprintf(stderr, "cannot start %s\n", args[0]);
                return 1;
            }
            const bool mapped = waitForMap(x, 10000);
            const auto map = Clock::now();
            drain(x, 500); // the first paint and whatever follows it settle
            if (mapped) {
                program.mapMs.push_back(milliseconds(map - start));
                program.rssMiB.push_back(residentMiB(pid));
            }
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
            if (!mapped) {
                std::fprintf(stderr, "%s mapped no window\n", args[0]);
                return 1;
            }
        }
    }

    const double yardstick = median(programs.front().mapMs);
    for (const Program& p : programs)
        std::printf("%-40s map median %6.1f ms  fastest %6.1f ms  %.2fx  RSS %.1f MiB\n",
                    p.path.c_str(), median(p.mapMs),
                    *std::min_element(p.mapMs.begin(), p.mapMs.end()),
                    median(p.mapMs) / yardstick, median(p.rssMiB));
    xcb_disconnect(x);
    return 0;
}
