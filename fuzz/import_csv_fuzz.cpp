// The bulk-import CSV reader; the first byte chooses the calendar mode and
// the kind of fiscal year.
#include "fuzz_support.h"
#include "volumes/excel_bosatu_csv_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    if (size == 0) return 0;
    ReadExcelBosatuCsv(fuzz::bytesOf(data + 1, size - 1), data[0] & 1, (data[0] >> 1) & 1);
    return 0;
}
