#include "cli/Cli.h"

int main(int argc, char** argv)
{
    volmar::cli::Console console = volmar::cli::StandardConsole();
    return volmar::cli::Run(argc, argv, console);
}
