// The `kelvo` command: each subcommand is one function over the parsed options.
#pragma once

namespace kelvo::cli {

int run(int argc, char** argv);

}  // namespace kelvo::cli
