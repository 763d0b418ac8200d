// The approver table reader (KessaiKubun.dat).
#include "fuzz_support.h"
#include "register/kessai_kubun_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    KessaiKubunTable table;
    table.Load(prompt, fuzz::inputFile(data, size, "KessaiKubun.dat"));
    return 0;
}
