// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of whole processes on an X display: starts each of two programs in turn, measures the
// time from fork to the first top-level window the X server maps, ends the program, and prints
// both medians and their ratio.
// Usage: mz58_map_watch ROUNDS "PROGRAM [ARGS]" "YARDSTICK [ARGS]"   (run under xvfb-run -a)
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> words(const std::string& command) {
    std::istringstream in(command);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

// Milliseconds from the start of `command` to its first mapped window; -1 when it ended first.
double startToMapped(xcb_connection_t* x, const std::string& command) {
    const std::vector<std::string> argv = words(command);
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    double ms = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        free(event);
        if (mapped) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                           started)
                     .count();
            break;
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    // Windows of the ended program unmap and go: drain their events.
    usleep(100000);
    while (xcb_generic_event_t* event = xcb_poll_for_event(x))
        free(event);
    return ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ROUNDS \"PROGRAM [ARGS]\" \"YARDSTICK [ARGS]\"\n", argv[0]);
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    std::vector<double> program;
    std::vector<double> yardstick;
    (void)startToMapped(x, argv[2]); // caches warm for both
    (void)startToMapped(x, argv[3]);
    for (int round = 0; round < rounds; ++round) {
        program.push_back(startToMapped(x, argv[2]));
        yardstick.push_back(startToMapped(x, argv[3]));
    }
    const double p = median(program);
    const double y = median(yardstick);
    std::printf("%s: %.1f ms to its first mapped window (median of %d)\n", argv[3], y, rounds);
    std::printf("%s: %.1f ms to its first mapped window (median of %d)\n", argv[2], p, rounds);
    std::printf("ratio: %.2f (target <= 1.30)\n", p / y);
    xcb_disconnect(x);
    return 0;
}
