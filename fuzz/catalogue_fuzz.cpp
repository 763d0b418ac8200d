// The index catalogue reader, every version of its header.
#include "catalogue/sakuin_mokuroku.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    const fuzz::PinnedClock clock;
    CSakuinMokuroku catalogue(prompt, clock, fuzz::inputFile(data, size, "SakuinMokuroku.dat"));
    catalogue.Load();
    return 0;
}
