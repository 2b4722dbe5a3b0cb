// One run of the batch tool: read the input, compute, interpolate, write the outputs.
#pragma once

#include "cli/options.h"

// Returns the exit status: 0 without a fault, 1 after a reported fault, 2 when an input
// or output file cannot be used.
int runBatch(const CliOptions &options, int argc, char **argv);
