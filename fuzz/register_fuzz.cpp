// The title register reader, in both layouts (the tagged current one and the
// older untagged one).
#include "fuzz_support.h"
#include "register/bunsho_ken_meibo_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    CBunshoKenMeiboList list(prompt);
    list.Load(fuzz::inputFile(data, size, "KenMeibo.dat"));
    for (const CBunshoKenMeiboData& entry : list.entries()) {
        entry.subjectText();
        entry.documentNumberText();
        entry.sectionPrefix();
    }
    return 0;
}
