#include "volumes/hozon_nengen_henkousho_list.h"

#include <algorithm>
#include <cstring>

#include "common/data_file.h"
#include "common/data_file_lock.h"
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
    const FileErrorCause opened = readDataFile(
        m_prompt, m_path, bytes, formatPrintf(texts::kFormsOpenLabel, pathText.c_str()), attempts);
    if (opened != FileErrorCause::none) {
        m_lastRead.state = ReadState::missing;
        m_lastRead.openError = opened;
        return 0;
    }
    m_lastRead.fileSize = bytes.size();
    if (bytes.size() < kCountBytes) {
        m_lastRead.state = bytes.empty() ? ReadState::empty : ReadState::headerCut;
        return 0;
    }
    // The count is never trusted beyond the end of the file.
    const size_t count =
        measureCountedRecords(m_lastRead, readCount(bytes), bytes.size() - kCountBytes, kFormSize);
    m_forms.resize(count);
    if (count > 0) std::memcpy(m_forms.data(), bytes.data() + kCountBytes, count * kFormSize);
    return m_lastRead.state == ReadState::complete ? 1 : 0;
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
    return AddAll(std::span(&form, 1)) ? 1 : 0;
}

bool CHozonNengenHenkoushoList::AddAll(std::span<const CHozonNengenHenkoushoData> forms) {
    const DataFileLock lock(m_prompt, m_path);
    if (!lock.held()) return false;
    Read();
    // Writing after a re-read that never opened the file would replace every
    // stored form with these.
    if (!m_lastRead.opened()) return false;
    AddInList(forms);
    return Write() == 1;
}

void CHozonNengenHenkoushoList::AddInList(std::span<const CHozonNengenHenkoushoData> forms) {
    for (const CHozonNengenHenkoushoData& form : forms) {
        const auto same = std::find_if(m_forms.begin(), m_forms.end(),
                                       [&](const auto& stored) { return stored.sameForm(form); });
        if (same != m_forms.end()) {
            *same = form;
        } else {
            m_forms.push_back(form);
        }
    }
}

bool CHozonNengenHenkoushoList::RemoveAll(std::span<const CHozonNengenHenkoushoData> forms) {
    const DataFileLock lock(m_prompt, m_path);
    if (!lock.held()) return false;
    if (Read() == 0) {
        // A file without a count holds nothing to remove; a file that would not
        // open or is shorter than its count must not be written back.
        return m_lastRead.countMissing();
    }
    bool removedAny = false;
    for (const CHozonNengenHenkoushoData& form : forms) {
        const auto same = std::find_if(m_forms.begin(), m_forms.end(),
                                       [&](const auto& stored) { return stored.sameForm(form); });
        if (same == m_forms.end()) continue;
        m_forms.erase(same);
        removedAny = true;
    }
    return !removedAny || Write() == 1;
}

int CHozonNengenHenkoushoList::Remove(const CHozonNengenHenkoushoData& form) {
    const DataFileLock lock(m_prompt, m_path);
    if (!lock.held() || Read() == 0) return 0;
    const auto same = std::find_if(m_forms.begin(), m_forms.end(),
                                   [&](const auto& stored) { return stored.sameForm(form); });
    if (same == m_forms.end()) return 0;
    m_forms.erase(same);
    return Write();
}

}  // namespace bunrako
