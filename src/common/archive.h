#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/file_error.h"
#include "common/ole_date_time.h"
#include "common/ole_span.h"

namespace bunrako {

// Archive files are written field by field: integers little-endian, dates and
// spans status first, strings with a 1-, 3- or 7-byte length prefix, counts
// as a 16-bit value with a 0xFFFF escape. The writer fills a byte string; the
// file is written in one piece by the caller.
class ArchiveWriter {
  public:
    void writeInt32(int32_t value);
    void writeUInt32(uint32_t value);
    void writeInt16(int16_t value);
    void writeUInt16(uint16_t value);
    void writeByte(uint8_t value);
    void writeDouble(double value);
    void writeDate(const OleDateTime& value);
    void writeSpan(const OleSpan& value);
    // A string of CP932 bytes as stored.
    void writeBytesString(std::string_view cp932);
    // A UTF-8 text, converted to CP932.
    void writeText(std::string_view utf8);
    // The framework's count: 16 bits, or 0xFFFF and 32 bits from 65535 up.
    void writeCount(uint32_t count);

    const std::string& bytes() const { return m_bytes; }
    std::string take() { return std::move(m_bytes); }

  private:
    std::string m_bytes;
};

// Reads an archive from bytes in memory. The first failure sticks: later
// reads return zero values and error() keeps the first cause. No length or
// count read from the data is trusted beyond what is left.
class ArchiveReader {
  public:
    explicit ArchiveReader(std::string_view data) : m_data(data) {}

    bool readInt32(int32_t& value);
    bool readUInt32(uint32_t& value);
    bool readInt16(int16_t& value);
    bool readUInt16(uint16_t& value);
    bool readByte(uint8_t& value);
    bool readDouble(double& value);
    bool readDate(OleDateTime& value);
    bool readSpan(OleSpan& value);
    bool readBytesString(std::string& cp932);
    // The text up to the first NUL of the string, as UTF-8.
    bool readText(std::string& utf8);
    bool readCount(uint32_t& count);

    bool ok() const { return m_error == ArchiveErrorCause::none; }
    ArchiveErrorCause error() const { return m_error; }
    bool atEnd() const { return m_offset >= m_data.size(); }
    size_t offset() const { return m_offset; }
    size_t remaining() const { return m_data.size() - m_offset; }

  private:
    bool take(void* out, size_t size);

    std::string_view m_data;
    size_t m_offset = 0;
    ArchiveErrorCause m_error = ArchiveErrorCause::none;
};

}  // namespace bunrako
