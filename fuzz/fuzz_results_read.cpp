// Fuzz target: reading a results file from arbitrary bytes. The lines must respect the
// line limit, hold no line end and be the program's UTF-8, and, unless the limit cut the
// input short, writing them out again in the file's Windows-1252 must give back the input
// up to its line ends.
#include "core/utf8.h"
#include "core/win1252.h"
#include "document/resultsfile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The input with every CR LF made a lone LF, and a final LF added when missing.
std::string normalised(std::string_view in)
{
    std::string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] == '\r' && i + 1 < in.size() && in[i + 1] == '\n')
            continue;
        out += in[i];
    }
    if (!out.empty() && out.back() != '\n')
        out += '\n';
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const StringList lines = decodeResults(bytes);
    if (lines.size() > kMaxResultLines)
        std::abort();
    for (const std::string &line : lines) {
        if (line.find('\n') != std::string::npos || !utf8::isValid(line))
            std::abort();
    }
    // A small limit exercises the cut-off path on short inputs too.
    const StringList few = decodeResults(bytes, 3);
    if (few.size() > 3 || few.size() > lines.size()
        || !std::equal(few.begin(), few.end(), lines.begin()))
        std::abort();

    if (lines.size() < kMaxResultLines) {
        std::string joined;
        for (const std::string &line : lines)
            joined += line + '\n';
        if (win1252::fromUtf8(joined) != normalised(bytes))
            std::abort();
    }
    return 0;
}
