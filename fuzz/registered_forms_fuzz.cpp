// The registered-forms list reader.
#include "catalogue/touroku_tyouhyou.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    CTourokuTyouhyou list(prompt, fuzz::inputFile(data, size, "TourokuTyouhyou.dat"));
    list.Load();
    return 0;
}
