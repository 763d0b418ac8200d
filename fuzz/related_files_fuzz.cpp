// The related-file list reader of a volume folder.
#include "catalogue/kanren_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    CKanrenFile list(prompt, fuzz::inputFile(data, size, "KanrenFile.dat"));
    list.Load();
    return 0;
}
