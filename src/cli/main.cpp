#include "cli/commands.h"

int main(int argc, char** argv) { return kelvo::cli::run(argc, argv); }
