// The lock file's holder lines, as a waiting writer reads them.
#include "common/lock_holder.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bunrako;
    if (const auto holder = LockHolder::parse(fuzz::bytesOf(data, size))) holder->onThisComputer();
    return 0;
}
