#include "common/archive.h"

#include <bit>
#include <cstring>

#include "common/cp932.h"

namespace bunrako {

namespace {

// Prefix values of the string length and count escapes.
constexpr uint8_t kByteEscape = 0xFF;
constexpr uint16_t kWordEscape = 0xFFFF;
// After the byte escape this word marks a wide string, which the files of
// this system never hold.
constexpr uint16_t kWideStringMarker = 0xFFFE;

template <typename T>
void appendLittleEndian(std::string& bytes, T value) {
    auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (size_t i = 0; i < sizeof(T); ++i) {
        bytes.push_back(static_cast<char>(bits & 0xFF));
        if constexpr (sizeof(T) > 1) bits = static_cast<decltype(bits)>(bits >> 8);
    }
}

template <typename T>
T fromLittleEndian(const unsigned char* bytes) {
    std::make_unsigned_t<T> bits = 0;
    for (size_t i = sizeof(T); i-- > 0;) {
        bits = static_cast<decltype(bits)>((bits << 8) | bytes[i]);
    }
    return static_cast<T>(bits);
}

}  // namespace

void ArchiveWriter::writeInt32(int32_t value) { appendLittleEndian(m_bytes, value); }
void ArchiveWriter::writeUInt32(uint32_t value) { appendLittleEndian(m_bytes, value); }
void ArchiveWriter::writeInt16(int16_t value) { appendLittleEndian(m_bytes, value); }
void ArchiveWriter::writeUInt16(uint16_t value) { appendLittleEndian(m_bytes, value); }
void ArchiveWriter::writeByte(uint8_t value) { appendLittleEndian(m_bytes, value); }

void ArchiveWriter::writeDouble(double value) {
    appendLittleEndian(m_bytes, std::bit_cast<uint64_t>(value));
}

// Archives keep the status first, the reverse of the raw-image layout.
void ArchiveWriter::writeDate(const OleDateTime& value) {
    writeInt32(value.status());
    writeDouble(value.days());
}

void ArchiveWriter::writeSpan(const OleSpan& value) {
    writeInt32(value.status());
    writeDouble(value.days());
}

void ArchiveWriter::writeBytesString(std::string_view cp932) {
    const size_t length = cp932.size();
    if (length < kByteEscape) {
        writeByte(static_cast<uint8_t>(length));
    } else if (length < kWideStringMarker) {
        writeByte(kByteEscape);
        writeUInt16(static_cast<uint16_t>(length));
    } else {
        writeByte(kByteEscape);
        writeUInt16(kWordEscape);
        writeUInt32(static_cast<uint32_t>(length));
    }
    m_bytes.append(cp932);
}

void ArchiveWriter::writeText(std::string_view utf8) { writeBytesString(utf8ToCp932(utf8)); }

void ArchiveWriter::writeCount(uint32_t count) {
    if (count < kWordEscape) {
        writeUInt16(static_cast<uint16_t>(count));
    } else {
        writeUInt16(kWordEscape);
        writeUInt32(count);
    }
}

bool ArchiveReader::take(void* out, size_t size) {
    if (ok() && remaining() < size) m_error = ArchiveErrorCause::endOfFile;
    if (!ok()) {
        std::memset(out, 0, size);
        return false;
    }
    std::memcpy(out, m_data.data() + m_offset, size);
    m_offset += size;
    return true;
}

bool ArchiveReader::readInt32(int32_t& value) {
    unsigned char bytes[4];
    const bool done = take(bytes, sizeof bytes);
    value = fromLittleEndian<int32_t>(bytes);
    return done;
}

bool ArchiveReader::readUInt32(uint32_t& value) {
    unsigned char bytes[4];
    const bool done = take(bytes, sizeof bytes);
    value = fromLittleEndian<uint32_t>(bytes);
    return done;
}

bool ArchiveReader::readInt16(int16_t& value) {
    unsigned char bytes[2];
    const bool done = take(bytes, sizeof bytes);
    value = fromLittleEndian<int16_t>(bytes);
    return done;
}

bool ArchiveReader::readUInt16(uint16_t& value) {
    unsigned char bytes[2];
    const bool done = take(bytes, sizeof bytes);
    value = fromLittleEndian<uint16_t>(bytes);
    return done;
}

bool ArchiveReader::readByte(uint8_t& value) { return take(&value, 1); }

bool ArchiveReader::readDouble(double& value) {
    unsigned char bytes[8];
    const bool done = take(bytes, sizeof bytes);
    value = std::bit_cast<double>(fromLittleEndian<uint64_t>(bytes));
    return done;
}

bool ArchiveReader::readDate(OleDateTime& value) {
    int32_t status = 0;
    double days = 0.0;
    readInt32(status);
    readDouble(days);
    value = ok() ? OleDateTime(days, static_cast<OleDateTime::Status>(status)) : OleDateTime();
    return ok();
}

bool ArchiveReader::readSpan(OleSpan& value) {
    int32_t status = 0;
    double days = 0.0;
    readInt32(status);
    readDouble(days);
    value = ok() ? OleSpan(days, static_cast<OleSpan::Status>(status)) : OleSpan();
    return ok();
}

bool ArchiveReader::readBytesString(std::string& cp932) {
    cp932.clear();
    uint8_t shortLength = 0;
    if (!readByte(shortLength)) return false;
    uint32_t length = shortLength;
    if (shortLength == kByteEscape) {
        uint16_t wordLength = 0;
        if (!readUInt16(wordLength)) return false;
        if (wordLength == kWideStringMarker) {
            m_error = ArchiveErrorCause::badIndex;
            return false;
        }
        length = wordLength;
        if (wordLength == kWordEscape && !readUInt32(length)) return false;
    }
    // The length is checked against the data before anything is allocated.
    if (length > remaining()) {
        m_error = ArchiveErrorCause::endOfFile;
        return false;
    }
    cp932.assign(m_data.substr(m_offset, length));
    m_offset += length;
    return true;
}

bool ArchiveReader::readText(std::string& utf8) {
    std::string cp932;
    const bool done = readBytesString(cp932);
    utf8 = storedText(cp932);
    return done;
}

bool ArchiveReader::readCount(uint32_t& count) {
    uint16_t shortCount = 0;
    readUInt16(shortCount);
    count = shortCount;
    if (shortCount == kWordEscape) readUInt32(count);
    // Every counted element takes at least one byte, so a larger count can
    // only come from damaged data; callers may size their arrays from it.
    if (ok() && count > remaining()) m_error = ArchiveErrorCause::endOfFile;
    if (!ok()) count = 0;
    return ok();
}

}  // namespace bunrako
