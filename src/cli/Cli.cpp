#include "cli/Cli.h"

#include <cstdio>

namespace volmar::cli {

int Run(int, char**)
{
    std::fputs("usage: volmar-cli COMMAND [ARGS]\n", stderr);
    return 2;
}

}  // namespace volmar::cli
