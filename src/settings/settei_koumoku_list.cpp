#include "settings/settei_koumoku_list.h"

#include <algorithm>
#include <cstring>

#include "common/cp932.h"
#include "common/data_file.h"
#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "settings/texts.h"

namespace bunrako {
namespace {

constexpr size_t kCountBytes = 4;
constexpr size_t kItemBytes = sizeof(CSetteiKoumokuData);

std::string_view codeOf(const CSetteiKoumokuData& item) { return fixedBytes(item.code); }

}  // namespace

// ---- Captions ----------------------------------------------------------------

SetteiKoumokuCaptions SetteiKoumokuCaptions::EditorDefaults() {
    using namespace settings::texts;
    return {kCaptionLevel1, kCaptionLevel2,  kCaptionLevel3,
            kCaptionName,   kCaptionSubName, kCaptionNumber};
}

SetteiKoumokuCaptions SetteiKoumokuCaptions::Department() {
    using namespace settings::texts;
    SetteiKoumokuCaptions captions = EditorDefaults();
    captions.level1 = kCaptionSection;
    captions.level2 = kCaptionSubsection;
    captions.name = kCaptionMeishou;
    captions.number = kCaptionNumber;
    return captions;
}

SetteiKoumokuCaptions SetteiKoumokuCaptions::Classification() {
    using namespace settings::texts;
    SetteiKoumokuCaptions captions = EditorDefaults();
    captions.name = kCaptionMeishou;
    captions.subName = kCaptionClassificationCode;
    return captions;
}

SetteiKoumokuCaptions SetteiKoumokuCaptions::Retention() {
    using namespace settings::texts;
    SetteiKoumokuCaptions captions = EditorDefaults();
    captions.level1 = "";
    captions.name = kCaptionRetentionType;
    captions.subName = kCaptionRetentionPeriod;
    return captions;
}

// ---- File image -----------------------------------------------------------------

std::string SetteiKoumokuFileBytes(const std::vector<CSetteiKoumokuData>& items) {
    std::string bytes(kCountBytes + items.size() * kItemBytes, '\0');
    const auto count = static_cast<int32_t>(items.size());
    std::memcpy(bytes.data(), &count, kCountBytes);
    if (!items.empty())
        std::memcpy(bytes.data() + kCountBytes, items.data(), items.size() * kItemBytes);
    return bytes;
}

SetteiKoumokuFileContent ReadSetteiKoumokuFile(std::string_view bytes) {
    SetteiKoumokuFileContent content;
    content.report.fileSize = bytes.size();
    if (bytes.size() < kCountBytes) {
        content.report.state = bytes.empty() ? ReadState::empty : ReadState::headerCut;
        return content;
    }
    int32_t count = 0;
    std::memcpy(&count, bytes.data(), kCountBytes);
    // Only what the file holds is read; the count alone allocates nothing.
    const size_t taken =
        measureCountedRecords(content.report, count, bytes.size() - kCountBytes, kItemBytes);
    content.items.resize(taken);
    if (taken > 0)
        std::memcpy(content.items.data(), bytes.data() + kCountBytes, taken * kItemBytes);
    return content;
}

// ---- Reading and writing -----------------------------------------------------------

int CSetteiKoumokuList::LoadItems(Prompt& prompt, const std::string& path) {
    m_items.clear();
    m_lastRead = {};
    if (path.empty()) return 0;
    m_strPath = path;
    std::string bytes;
    const ReadAttempts once{1, ""};
    const FileErrorCause opened = readDataFile(prompt, pathFromUtf8(path), bytes,
                                               path + settings::texts::kColonOpenLabel, once);
    if (opened != FileErrorCause::none) {
        m_lastRead.state = ReadState::missing;
        m_lastRead.openError = opened;
        return 0;
    }
    SetteiKoumokuFileContent content = ReadSetteiKoumokuFile(bytes);
    m_items = std::move(content.items);
    m_lastRead = std::move(content.report);
    std::string detail;
    switch (m_lastRead.state) {
        case ReadState::headerCut:
            detail = formatText(settings::texts::kMasterCountMissing, std::to_string(bytes.size()));
            break;
        case ReadState::recordsMissing:
            detail = formatText(formatText(settings::texts::kMasterTruncatedCount,
                                           std::to_string(m_lastRead.declaredCount)),
                                std::to_string(m_items.size()));
            break;
        case ReadState::badCount:
            prompt.showMessage(describeReadProblem(m_lastRead, path), {}, MessageIcon::warning);
            return 1;
        default:
            return 1;
    }
    prompt.showMessage(path + settings::texts::kMasterTruncated + detail, {}, MessageIcon::warning);
    return 1;
}

int CSetteiKoumokuList::SaveItems(Prompt& prompt) const {
    if (m_strPath.empty()) return 0;
    const DataFileLock lock(prompt, pathFromUtf8(m_strPath));
    if (!lock.held()) return 0;
    // Items behind a negative count were never read: writing would lose them.
    std::string onDisk;
    if (readWholeFile(pathFromUtf8(m_strPath), onDisk) == FileErrorCause::none) {
        const ReadReport current = ReadSetteiKoumokuFile(onDisk).report;
        if (!current.mayOverwrite()) {
            prompt.showMessage(saveRefusalMessage(current, m_strPath), {}, MessageIcon::error);
            return 0;
        }
    }
    return writeDataFile(prompt, pathFromUtf8(m_strPath), SetteiKoumokuFileBytes(m_items),
                         m_strPath + settings::texts::kColonOpenLabel, false)
               ? 1
               : 0;
}

// ---- Look-ups ------------------------------------------------------------------------

std::optional<size_t> CSetteiKoumokuList::FindCode(std::string_view code) const {
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (codeOf(m_items[i]) == code) return i;
    }
    return std::nullopt;
}

std::string CSetteiKoumokuList::NameByCode(std::string_view code) const {
    const auto index = FindCode(code);
    return index ? m_items[*index].Name() : std::string();
}

std::string CSetteiKoumokuList::SubNameByCode(std::string_view code) const {
    const auto index = FindCode(code);
    return index ? m_items[*index].SubName() : std::string();
}

std::vector<size_t> CSetteiKoumokuList::ChildIndices(std::string_view parentCode) const {
    std::vector<size_t> children;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (IsChildCode(parentCode, codeOf(m_items[i]))) children.push_back(i);
    }
    return children;
}

std::vector<std::string> CSetteiKoumokuList::ListChildren(std::string_view parentCode) const {
    std::vector<std::string> names;
    for (const size_t index : ChildIndices(parentCode)) names.push_back(m_items[index].Name());
    return names;
}

std::string CSetteiKoumokuList::CodeByNames(std::string_view level1Name,
                                            std::string_view level2Name,
                                            std::string_view level3Name) const {
    return codeByPath({level1Name, level2Name, level3Name}, &CSetteiKoumokuData::Name);
}

std::string CSetteiKoumokuList::CodeBySubNames(std::string_view level1SubName,
                                               std::string_view level2SubName,
                                               std::string_view level3SubName) const {
    return codeByPath({level1SubName, level2SubName, level3SubName}, &CSetteiKoumokuData::SubName);
}

std::string CSetteiKoumokuList::codeByPath(std::initializer_list<std::string_view> texts,
                                           std::string (CSetteiKoumokuData::*field)() const) const {
    std::string code = kRootCode;
    for (const std::string_view text : texts) {
        if (text.empty() && code != kRootCode) break;
        std::optional<size_t> found;
        for (const size_t index : ChildIndices(code)) {
            if ((m_items[index].*field)() == text) {
                found = index;
                break;
            }
        }
        if (!found) return {};
        code = std::string(codeOf(m_items[*found]));
    }
    return code;
}

// ---- Changes -------------------------------------------------------------------------

void CSetteiKoumokuList::AddOrReplace(const CSetteiKoumokuData& item) {
    if (const auto index = FindCode(codeOf(item))) {
        std::memcpy(m_items[*index].name, item.name, sizeof item.name);
        std::memcpy(m_items[*index].subName, item.subName, sizeof item.subName);
    } else {
        m_items.push_back(item);
    }
}

size_t CSetteiKoumokuList::RemoveWithChildren(std::string_view code) {
    size_t prefixLength = 0;
    switch (ItemLevel(code)) {
        case 1:
            prefixLength = 3;
            break;
        case 2:
            prefixLength = 6;
            break;
        case 3:
            prefixLength = code.size();
            break;
        default:
            return 0;
    }
    const std::string_view prefix = code.substr(0, prefixLength);
    const auto doomed = [&](const CSetteiKoumokuData& item) {
        const std::string_view itemCode = codeOf(item);
        return prefixLength == code.size() ? itemCode == code : itemCode.starts_with(prefix);
    };
    const size_t before = m_items.size();
    std::erase_if(m_items, doomed);
    return before - m_items.size();
}

void CSetteiKoumokuList::DropUnnamed() {
    std::erase_if(m_items, [](const CSetteiKoumokuData& item) { return item.name[0] == '\0'; });
}

}  // namespace bunrako
