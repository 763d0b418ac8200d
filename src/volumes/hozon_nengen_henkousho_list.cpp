#include "volumes/hozon_nengen_henkousho_list.h"

#include <algorithm>
#include <cstring>

#include "common/data_file.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace texts = volumes::texts;

constexpr size_t kCountBytes = 4;
constexpr size_t kFormSize = CHozonNengenHenkoushoData::kSize;

int32_t readCount(const std::string& bytes) {
    uint32_t value = 0;
    for (size_t i = 0; i < kCountBytes; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return static_cast<int32_t>(value);
}

void appendCount(std::string& bytes, uint32_t count) {
    for (size_t i = 0; i < kCountBytes; ++i) {
        bytes.push_back(static_cast<char>((count >> (8 * i)) & 0xFF));
    }
}

}  // namespace

int CHozonNengenHenkoushoList::Read() {
    m_forms.clear();
    m_lastRead = {};
    const std::string pathText = pathToUtf8(m_path);
    const ReadAttempts attempts{4, formatPrintf(texts::kFormsNetworkCheck, pathText.c_str())};
    std::string bytes;
    if (readDataFile(m_prompt, m_path, bytes, formatPrintf(texts::kFormsOpenLabel, pathText.c_str()),
                     attempts) != FileErrorCause::none) {
        return 0;
    }
    m_lastRead.opened = true;
    if (bytes.size() < kCountBytes) return 0;
    m_lastRead.hasCount = true;
    m_lastRead.count = readCount(bytes);
    // The count is never trusted beyond the end of the file.
    const size_t inFile = (bytes.size() - kCountBytes) / kFormSize;
    const size_t named = m_lastRead.count < 0 ? 0 : static_cast<size_t>(m_lastRead.count);
    const size_t count = std::min(named, inFile);
    m_forms.resize(count);
    if (count > 0) std::memcpy(m_forms.data(), bytes.data() + kCountBytes, count * kFormSize);
    m_lastRead.extraBytes = bytes.size() - kCountBytes - count * kFormSize;
    return m_lastRead.count >= 0 && count == named ? 1 : 0;
}

int CHozonNengenHenkoushoList::Write() {
    std::string bytes;
    bytes.reserve(kCountBytes + m_forms.size() * kFormSize);
    appendCount(bytes, static_cast<uint32_t>(m_forms.size()));
    bytes.append(reinterpret_cast<const char*>(m_forms.data()), m_forms.size() * kFormSize);
    const std::string label = formatPrintf(texts::kFormsWriteOpenLabel, pathToUtf8(m_path).c_str());
    return writeDataFile(m_prompt, m_path, bytes, label, true) ? 1 : 0;
}

int CHozonNengenHenkoushoList::Add(const CHozonNengenHenkoushoData& form) {
    Read();
    // Writing after a re-read that never opened the file would replace every
    // stored form with this one.
    if (!m_lastRead.opened) return 0;
    const auto same = std::find_if(m_forms.begin(), m_forms.end(),
                                   [&](const auto& stored) { return stored.sameForm(form); });
    if (same != m_forms.end()) {
        *same = form;
    } else {
        m_forms.push_back(form);
    }
    return Write();
}

int CHozonNengenHenkoushoList::Remove(const CHozonNengenHenkoushoData& form) {
    if (Read() == 0) return 0;
    const auto same = std::find_if(m_forms.begin(), m_forms.end(),
                                   [&](const auto& stored) { return stored.sameForm(form); });
    if (same == m_forms.end()) return 0;
    m_forms.erase(same);
    return Write();
}

}  // namespace bunrako
