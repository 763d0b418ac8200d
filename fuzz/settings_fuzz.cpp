// The initial-settings reader, every version. The bytes are read as the
// file's (the list would go on to open the receipt file the settings name).
#include "fuzz_support.h"
#include "settings/shoki_settei_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    ReadShokiSetteiFile(fuzz::bytesOf(data, size), "ShokiSettei.dat", prompt);
    UnknownShokiSetteiVersion(fuzz::bytesOf(data, size));
    return 0;
}
