// The masters' CSV import reader (CP932 or UTF-8 with its mark).
#include "common/file_io.h"
#include "fuzz_support.h"
#include "settings/settei_koumoku_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    const auto path = fuzz::inputFile(data, size, "KaMei.csv");
    // No master file behind it: the import is read, never saved.
    CSetteiKoumokuList list;
    list.ImportItemsCsv(prompt, pathToUtf8(path));
    return 0;
}
