// Command line of the batch tool dravon-cli.
#pragma once

#include "listing/listing.h"

#include <optional>
#include <string>
#include <vector>

struct CliOptions
{
    int format = 1;      // 0 WEG, 1 free, 2 ATK
    int datenauswahl = 0; // thinning index: 0 every, 1 every 2nd, 2 every 5th, 3 every 10th
    int ansicht = 0;     // 0 side view, 1 top view
    std::optional<std::string> name; // UTF-8 as given
    std::vector<float> interpolate;
    std::string resultsFile;
    std::string plotFile;
    // Listing of the trajectory: --at-md, --at-tvd and --every-md in the order given,
    // lengths in `unit`.
    std::vector<listing::Request> requests;
    std::optional<double> sectionAzimuth; // degrees
    listing::Unit unit = listing::Unit::Metre;
    std::string listingFile;
    bool stationsMode = false; // --stations FILE
    std::string input;         // FILE, "-" for standard input
    bool help = false;
    bool version = false;
};

struct CliParseResult
{
    CliOptions options;
    std::string error; // German; empty when the command line is usable
};

CliParseResult parseCommandLine(const std::vector<std::string> &args);

const char *cliUsage();
