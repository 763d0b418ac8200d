// The volume file reader (DocMaster.dat, HaikiDoc.dat and the disposal
// archives share it).
#include "common/file_io.h"
#include "common/read_report.h"
#include "fuzz_support.h"
#include "volumes/doc_master_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    fuzz::SilentPrompt prompt;
    CDocMasterList list(fuzz::inputFile(data, size, "DocMaster.dat"), prompt);
    list.setReadAttempts(1);
    list.Read();
    describeReadProblem(list.lastRead(), "DocMaster.dat");
    describeUnclaimedBytes(list.lastRead(), "DocMaster.dat");
    for (const CDocMasterData& volume : list.records()) {
        volume.title();
        volume.kanriBangou();
        volume.kaMei();
    }
    list.sort();
    return 0;
}
