// The setting-item master reader (KaMei.dat, BosatuBunrui.dat,
// HozonNengen.dat).
#include "common/file_io.h"
#include "fuzz_support.h"
#include "settings/settei_koumoku_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    const auto path = fuzz::inputFile(data, size, "KaMei.dat");
    CSetteiKoumokuList list;
    list.LoadItems(prompt, pathToUtf8(path));
    return 0;
}
