// Damaged files of every kind this subsystem reads: whatever the bytes, the
// readers finish, keep only what is complete and allocate nothing from a
// length they read.
#include <gtest/gtest.h>

#include <random>

#include "settings/receipt_file.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_file.h"
#include "support/archive_bytes.h"
#include "support/fake_prompt.h"

namespace bunrako {
namespace {

std::string randomBytes(std::mt19937& random, size_t size) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(byte(random));
    return bytes;
}

TEST(GarbageInput, EveryReaderFinishesOnRandomBytes) {
    std::mt19937 random(20240401);
    std::uniform_int_distribution<size_t> length(0, 400);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = randomBytes(random, length(random));
        // Half of the inputs carry a real tag, so the record reader is reached.
        if (round % 2 == 0) bytes = testing::cstr("Ver20090901") + bytes;
        testing::FakePrompt prompt;
        const auto settings = ReadShokiSetteiFile(bytes, "p", prompt);
        EXPECT_LE(settings.records.size(), bytes.size() / 31);
        const auto receipts = ReadReceiptFile(bytes);
        EXPECT_LE(receipts.pairs.size(), bytes.size() / 5);
        const auto master = ReadSetteiKoumokuFile(bytes);
        EXPECT_LE(master.items.size(), bytes.size() / 93);
    }
}

}  // namespace
}  // namespace bunrako
