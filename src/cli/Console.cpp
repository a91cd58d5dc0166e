#include "cli/Console.h"

#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <string>

namespace volmar::cli {

Console StandardConsole()
{
    return Console{std::cin, std::cout, std::cerr, ::isatty(STDIN_FILENO) == 1 ? STDIN_FILENO : -1,
                   ::isatty(STDERR_FILENO) == 1};
}

void Print(std::ostream& out, const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (size > 0) {
        std::string text(static_cast<size_t>(size) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, again);
        out.write(text.data(), size);
    }
    va_end(again);
}

}  // namespace volmar::cli
