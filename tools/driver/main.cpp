// orvex-driver: drives a running Setup from the command line, one action per call.
//   orvex-driver wait  TITLE MARKER_ID [TIMEOUT_MS]            waits for a window that has control MARKER_ID
//   orvex-driver click TITLE MARKER_ID CONTROL_ID [TIMEOUT_MS] clicks CONTROL_ID in that window
//   orvex-driver text  TITLE MARKER_ID CONTROL_ID              prints the control's text
//   orvex-driver settext TITLE MARKER_ID CONTROL_ID TEXT       types TEXT into the control
//   orvex-driver timeclick TITLE MARKER_ID CONTROL_ID NEXT_MARKER_ID [TIMEOUT_MS]
//                                  clicks, waits for a window with NEXT_MARKER_ID, prints the milliseconds
// Exit code 0 on success, 1 when the window or control did not appear in time, 2 on bad usage.
#include "tools/driver/Driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// How long a step waits for its window unless told otherwise.
constexpr DWORD kDefaultTimeoutMs = 20000;

int Usage() {
    std::fprintf(stderr,
                 "usage: orvex-driver wait TITLE MARKER_ID [TIMEOUT_MS]\n"
                 "       orvex-driver click TITLE MARKER_ID CONTROL_ID [TIMEOUT_MS]\n"
                 "       orvex-driver text TITLE MARKER_ID CONTROL_ID\n"
                 "       orvex-driver settext TITLE MARKER_ID CONTROL_ID TEXT\n"
                 "       orvex-driver timeclick TITLE MARKER_ID CONTROL_ID NEXT_MARKER_ID [TIMEOUT_MS]\n");
    return 2;
}

bool ParseNumber(const char* text, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 0);
    return end != text && *end == '\0' && value >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return Usage();
    const std::string command = argv[1];
    const std::string title = argv[2];
    long marker = 0, control = 0, timeout = kDefaultTimeoutMs;
    if (!ParseNumber(argv[3], marker)) return Usage();

    if (command == "wait") {
        if (argc > 4 && !ParseNumber(argv[4], timeout)) return Usage();
        return driver::WaitForWindow(title, marker, 0, static_cast<DWORD>(timeout)) ? 0 : 1;
    }
    if (argc < 5 || !ParseNumber(argv[4], control)) return Usage();
    if (command == "settext") {
        if (argc != 6) return Usage();
        HWND window = driver::WaitForWindow(title, marker, 0, kDefaultTimeoutMs);
        return window && driver::SetControlText(window, control, argv[5]) ? 0 : 1;
    }
    if (command == "timeclick") {
        long next = 0;
        if (argc < 6 || !ParseNumber(argv[5], next)) return Usage();
        if (argc > 6 && !ParseNumber(argv[6], timeout)) return Usage();
        HWND window = driver::WaitForWindow(title, marker, 0, kDefaultTimeoutMs);
        if (!window || !driver::Click(window, control, kDefaultTimeoutMs)) return 1;
        const DWORD start = GetTickCount();
        if (!driver::WaitForWindow(title, next, 0, static_cast<DWORD>(timeout))) return 1;
        std::printf("%lu\n", static_cast<unsigned long>(GetTickCount() - start));
        return 0;
    }
    if (argc > 5 && !ParseNumber(argv[5], timeout)) return Usage();
    HWND window = driver::WaitForWindow(title, marker, 0, static_cast<DWORD>(timeout));
    if (!window) return 1;
    if (command == "click") return driver::Click(window, control, static_cast<DWORD>(timeout)) ? 0 : 1;
    if (command == "text") {
        std::printf("%s\n", driver::ControlText(window, control).c_str());
        return 0;
    }
    return Usage();
}
