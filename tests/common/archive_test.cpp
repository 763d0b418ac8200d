#include "common/archive.h"

#include <gtest/gtest.h>

#include <string>

namespace bunrako {
namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string result;
    for (int value : values) result.push_back(static_cast<char>(value));
    return result;
}

TEST(ArchiveWriterTest, WritesIntegersLittleEndian) {
    ArchiveWriter writer;
    writer.writeInt32(-2);
    writer.writeUInt32(0x12345678);
    writer.writeInt16(-3);
    writer.writeUInt16(0xABCD);
    writer.writeByte(0x7F);
    EXPECT_EQ(writer.bytes(), bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12, 0xFD, 0xFF,
                                     0xCD, 0xAB, 0x7F}));
}

TEST(ArchiveWriterTest, WritesDoublesAsIeeeLittleEndian) {
    ArchiveWriter writer;
    writer.writeDouble(1.0);
    writer.writeDouble(-2.5);
    EXPECT_EQ(writer.bytes(), bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0, 0, 0, 0x04, 0xC0}));
}

TEST(ArchiveWriterTest, WritesDatesAndSpansStatusFirst) {
    ArchiveWriter writer;
    writer.writeDate(OleDateTime(2.0, OleDateTime::null));
    writer.writeSpan(OleSpan(1830.0, OleSpan::invalid));
    // 1830 = 0x409C980000000000 as a double.
    EXPECT_EQ(writer.bytes(), bytes({2, 0, 0, 0, 0, 0, 0, 0, 0, 0,    0,    0x40,  //
                                     1, 0, 0, 0, 0, 0, 0, 0, 0, 0x98, 0x9C, 0x40}));
}

TEST(ArchiveWriterTest, WritesTextAsCp932WithALengthPrefix) {
    ArchiveWriter writer;
    writer.writeText("文書");
    writer.writeText("");
    EXPECT_EQ(writer.bytes(), bytes({4, 0x95, 0xB6, 0x8F, 0x91, 0}));
}

struct PrefixCase {
    size_t length;
    std::string prefix;
};

class ArchiveStringPrefixTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(ArchiveStringPrefixTest, WritesAndReadsThePrefixForm) {
    const PrefixCase& c = GetParam();
    const std::string text(c.length, 'x');
    ArchiveWriter writer;
    writer.writeBytesString(text);
    EXPECT_EQ(writer.bytes().substr(0, c.prefix.size()), c.prefix);
    EXPECT_EQ(writer.bytes().size(), c.prefix.size() + c.length);

    // Read back from bytes built here, independently of the writer.
    const std::string data = c.prefix + text + "\x01";
    ArchiveReader reader(data);
    std::string read;
    ASSERT_TRUE(reader.readBytesString(read));
    EXPECT_EQ(read, text);
    EXPECT_EQ(reader.remaining(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ArchiveStringPrefixTest,
    ::testing::Values(PrefixCase{0, bytes({0})}, PrefixCase{254, bytes({0xFE})},
                      PrefixCase{255, bytes({0xFF, 0xFF, 0x00})},
                      PrefixCase{65533, bytes({0xFF, 0xFD, 0xFF})},
                      PrefixCase{65534, bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
                      PrefixCase{70000, bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})}));

TEST(ArchiveCountTest, UsesTheWordEscapeFrom65535) {
    ArchiveWriter writer;
    writer.writeCount(3);
    writer.writeCount(65534);
    writer.writeCount(65535);
    writer.writeCount(70000);
    EXPECT_EQ(writer.bytes(), bytes({3, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF,
                                     0x70, 0x11, 0x01, 0x00}));
}

TEST(ArchiveCountTest, ReadsBothFormsWhenTheElementsCanFollow) {
    std::string data = bytes({2, 0}) + "ab";
    uint32_t count = 0;
    ArchiveReader small(data);
    EXPECT_TRUE(small.readCount(count));
    EXPECT_EQ(count, 2u);

    data = bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0}) + std::string(65535, 'e');
    ArchiveReader large(data);
    EXPECT_TRUE(large.readCount(count));
    EXPECT_EQ(count, 65535u);
}

TEST(ArchiveCountTest, ACountBeyondTheDataFails) {
    const std::string data = bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3});
    ArchiveReader reader(data);
    uint32_t count = 99;
    EXPECT_FALSE(reader.readCount(count));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(reader.error(), ArchiveErrorCause::endOfFile);
}

TEST(ArchiveReaderTest, ReadsEachPrimitiveFromHandBuiltBytes) {
    const std::string data =
        bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12, 0xFD, 0xFF, 0xCD, 0xAB, 0x7F,  //
               0,    0,    0,    0,    0,    0,    0x04, 0xC0,                                //
               0,    0,    0,    0,    0,    0,    0,    0,    0,    0x98, 0x9C, 0x40,        //
               1,    0,    0,    0,    0,    0,    0,    0,    0,    0x98, 0x9C, 0x40,        //
               2,    0x95, 0x5C});
    ArchiveReader reader(data);
    int32_t i32 = 0;
    uint32_t u32 = 0;
    int16_t i16 = 0;
    uint16_t u16 = 0;
    uint8_t u8 = 0;
    double d = 0;
    OleDateTime date;
    OleSpan span;
    std::string text;
    EXPECT_TRUE(reader.readInt32(i32));
    EXPECT_TRUE(reader.readUInt32(u32));
    EXPECT_TRUE(reader.readInt16(i16));
    EXPECT_TRUE(reader.readUInt16(u16));
    EXPECT_TRUE(reader.readByte(u8));
    EXPECT_TRUE(reader.readDouble(d));
    EXPECT_TRUE(reader.readDate(date));
    EXPECT_TRUE(reader.readSpan(span));
    EXPECT_TRUE(reader.readText(text));
    EXPECT_EQ(i32, -2);
    EXPECT_EQ(u32, 0x12345678u);
    EXPECT_EQ(i16, -3);
    EXPECT_EQ(u16, 0xABCD);
    EXPECT_EQ(u8, 0x7F);
    EXPECT_EQ(d, -2.5);
    EXPECT_EQ(date.status(), OleDateTime::valid);
    EXPECT_EQ(date.days(), 1830.0);
    EXPECT_EQ(span.status(), OleSpan::invalid);
    EXPECT_EQ(span.days(), 1830.0);
    EXPECT_EQ(text, "表");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_TRUE(reader.ok());
}

// A small archive as a settings-like file would hold it: a tag, a count,
// strings, an integer and a date.
std::string smallArchive() {
    return bytes({3}) + "v10" + bytes({2, 0}) + bytes({2, 0x82, 0xA0}) + bytes({0}) +
           bytes({7, 0, 0, 0}) + bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F});
}

bool readSmallArchive(ArchiveReader& reader) {
    std::string tag, first, second;
    uint32_t count = 0;
    int32_t number = 0;
    OleDateTime date;
    reader.readText(tag);
    reader.readCount(count);
    reader.readText(first);
    reader.readText(second);
    reader.readInt32(number);
    reader.readDate(date);
    return reader.ok() && tag == "v10" && count == 2 && first == "あ" && second.empty() &&
           number == 7 && date.days() == 1.0;
}

TEST(ArchiveReaderTest, ReadsTheSmallArchiveWhole) {
    const std::string data = smallArchive();
    ArchiveReader reader(data);
    EXPECT_TRUE(readSmallArchive(reader));
    EXPECT_TRUE(reader.atEnd());
}

TEST(ArchiveReaderTest, EveryTruncationFailsWithEndOfFile) {
    const std::string data = smallArchive();
    for (size_t cut = 0; cut < data.size(); ++cut) {
        ArchiveReader reader(std::string_view(data).substr(0, cut));
        EXPECT_FALSE(readSmallArchive(reader)) << "cut at " << cut;
        EXPECT_EQ(reader.error(), ArchiveErrorCause::endOfFile) << "cut at " << cut;
        EXPECT_LE(reader.offset(), cut);
    }
}

TEST(ArchiveReaderTest, TheFirstErrorSticksAndLaterReadsGiveZero) {
    const std::string data = bytes({5, 'a', 'b'});
    ArchiveReader reader(data);
    std::string text = "old";
    uint8_t byte = 9;
    EXPECT_FALSE(reader.readBytesString(text));
    EXPECT_TRUE(text.empty());
    EXPECT_FALSE(reader.readByte(byte));  // 'a' is still there, but the archive failed
    EXPECT_EQ(byte, 0);
    EXPECT_EQ(reader.error(), ArchiveErrorCause::endOfFile);
    EXPECT_EQ(reader.offset(), 1u);
}

TEST(ArchiveReaderTest, AWideStringIsABadFormatNotACrash) {
    const std::string data = bytes({0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b', 0, 0x2A, 0, 0, 0});
    ArchiveReader reader(data);
    std::string text;
    int32_t value = -1;
    EXPECT_FALSE(reader.readText(text));
    EXPECT_EQ(reader.error(), ArchiveErrorCause::badIndex);
    EXPECT_FALSE(reader.readInt32(value));
    EXPECT_EQ(value, 0);
    EXPECT_EQ(reader.error(), ArchiveErrorCause::badIndex);
}

TEST(ArchiveReaderTest, HostileLengthsFailWithoutAllocating) {
    std::string text;
    // 2^31 bytes announced in a 10-byte buffer.
    const std::string huge = bytes({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 'a', 'b', 'c'});
    ArchiveReader reader(huge);
    EXPECT_FALSE(reader.readBytesString(text));
    EXPECT_EQ(reader.error(), ArchiveErrorCause::endOfFile);
    EXPECT_TRUE(text.empty());

    const std::string maxed = bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    ArchiveReader all(maxed);
    EXPECT_FALSE(all.readText(text));
    EXPECT_EQ(all.error(), ArchiveErrorCause::endOfFile);

    const std::string word = bytes({0xFF, 0x00, 0x01, 'x'});
    ArchiveReader medium(word);
    EXPECT_FALSE(medium.readBytesString(text));
    EXPECT_EQ(medium.error(), ArchiveErrorCause::endOfFile);
}

TEST(ArchiveRoundTripTest, WriterOutputReadsBack) {
    ArchiveWriter writer;
    writer.writeText("保存年限①");
    writer.writeCount(70000);
    writer.writeBytesString(std::string(70000, 'z'));
    writer.writeDate(OleDateTime::fromDate(2020, 4, 1));
    const std::string data = writer.take();

    ArchiveReader reader(data);
    std::string text;
    uint32_t count = 0;
    std::string big;
    OleDateTime date;
    EXPECT_TRUE(reader.readText(text));
    EXPECT_TRUE(reader.readCount(count));
    EXPECT_TRUE(reader.readBytesString(big));
    EXPECT_TRUE(reader.readDate(date));
    EXPECT_EQ(text, "保存年限①");
    EXPECT_EQ(count, 70000u);
    EXPECT_EQ(big.size(), 70000u);
    EXPECT_EQ(date, OleDateTime::fromDate(2020, 4, 1));
    EXPECT_TRUE(reader.atEnd());
}

}  // namespace
}  // namespace bunrako
