// The receipt-number file reader (section name and next number pairs).
#include "fuzz_support.h"
#include "settings/receipt_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    ReadReceiptFile(fuzz::bytesOf(data, size));
    return 0;
}
