#include "host/application/CommandLine.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace host {

void CommandLine::printMessage(const char* format, ...)
{
    if (format == nullptr)
        return;
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length > 0) {
        std::vector<char> text(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        log_.append(text.data(), static_cast<std::size_t>(length));
    }
    va_end(args);
}

} // namespace host
