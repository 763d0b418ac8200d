// The pointer file reader (the first line names the data folder).
#include "common/file_io.h"
#include "fuzz_support.h"
#include "settings/pointer_file.h"
#include "settings/texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::inputFile(data, size, settings::texts::kPointerFileName);
    std::string folder = pathToUtf8(fuzz::inputFolder());
    folder += static_cast<char>(std::filesystem::path::preferred_separator);
    ReadPointerFile(folder, 1024);
    return 0;
}
