#pragma once
// The command line: prompts and messages printed by the host and the modules, kept as a log.

#include <string>

namespace host {

class CommandLine {
public:
    // printf-style; the text is appended as it stands (a message ends its line with "\n" itself).
    void printMessage(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void print(const std::string& text) { log_ += text; }
    const std::string& text() const { return log_; }
    void clear() { log_.clear(); }

private:
    std::string log_;
};

} // namespace host
