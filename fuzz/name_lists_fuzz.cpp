// The name-list readers: senders and receivers (30 slots each, interleaved)
// and the ten-slot title and name lists.
#include "common/ole_date_time.h"
#include "fuzz_support.h"
#include "register/hassin_jusin_list.h"
#include "register/name_list.h"
#include "register/shoku_simei_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    const OleDateTime now = OleDateTime::fromDate(2026, 12, 9);
    const auto path = fuzz::inputFile(data, size, "HassinJusinList.dat");
    NameList hassin(HassinJusinList::kSlots, 10, now);
    NameList jusin(HassinJusinList::kSlots, 10, now);
    HassinJusinList::LoadFile(prompt, path, hassin, jusin);
    NameList shoku(ShokuSimeiList::kSlots, 5, now);
    ShokuSimeiList::LoadFile(prompt, path, "Shoku", shoku);
    hassin.Record("総務課", now);
    return 0;
}
