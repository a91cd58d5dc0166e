#include "cli/Cli.h"

int main(int argc, char** argv)
{
    return volmar::cli::Run(argc, argv);
}
