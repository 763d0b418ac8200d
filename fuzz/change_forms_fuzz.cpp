// The retention-period change-form file reader (Minaosi.dat and its
// archives).
#include "fuzz_support.h"
#include "volumes/hozon_nengen_henkousho_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    CHozonNengenHenkoushoList list(prompt, fuzz::inputFile(data, size, "Minaosi.dat"));
    list.Read();
    return 0;
}
