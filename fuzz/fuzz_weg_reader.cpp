// Fuzz target: the WEG measurement-file reader on arbitrary file contents.
#include "readerfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzReader(WegFormat, data, size);
}
