#include "register/shoku_simei_list.h"

#include <string>

#include "common/archive.h"
#include "common/clock.h"
#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace texts = register_::texts;

// Both lists are aged over all their slots.
constexpr size_t kAging = ShokuSimeiList::kSlots;

}  // namespace

ShokuSimeiList::ShokuSimeiList(Prompt& prompt, const Clock& clock)
    : ShokuList(kSlots, kAging, clock.now()),
      SimeiList(kSlots, kAging, clock.now()),
      m_prompt(prompt),
      m_clock(clock) {}

void ShokuSimeiList::SetFolder(const std::filesystem::path& folder) {
    m_folder = folder.empty() ? pathFromUtf8(CMyTool::GetProgramFolder()) : folder;
    LoadFile(m_prompt, shokuPath(), texts::kShokuKey, ShokuList);
    LoadFile(m_prompt, simeiPath(), texts::kSimeiKey, SimeiList);
}

std::filesystem::path ShokuSimeiList::shokuPath() const {
    return m_folder / pathFromUtf8(texts::kShokuFileName);
}

std::filesystem::path ShokuSimeiList::simeiPath() const {
    return m_folder / pathFromUtf8(texts::kSimeiFileName);
}

bool ShokuSimeiList::AddShoku(std::string_view utf8Name) {
    return ShokuList.Record(utf8Name, m_clock.now());
}

bool ShokuSimeiList::AddSimei(std::string_view utf8Name) {
    return SimeiList.Record(utf8Name, m_clock.now());
}

bool ShokuSimeiList::SaveShoku() const { return SaveFile(m_prompt, shokuPath(), ShokuList); }

bool ShokuSimeiList::SaveSimei() const { return SaveFile(m_prompt, simeiPath(), SimeiList); }

ShokuSimeiList::FileReport ShokuSimeiList::LoadFile(Prompt& prompt,
                                                    const std::filesystem::path& path,
                                                    const char* key, NameList& list) {
    FileReport report;
    const std::string pathText = pathToUtf8(path);
    std::string bytes;
    if (!CMyTool::CheckFileError(prompt, readWholeFile(path, bytes), pathText, true)) {
        return report;
    }
    report.opened = true;
    ArchiveReader reader(bytes);
    for (size_t i = 0; i < list.slots().size(); ++i) {
        const NameList::Item item = NameList::ReadSlot(reader, list.slots()[i]);
        if (item != NameList::Item::none) {
            CMyTool::CheckArchiveError(prompt, reader.error(),
                                       formatPrintf(texts::kSlotItemLabel, pathText.c_str(), key,
                                                    static_cast<int>(i), NameList::ItemName(item)),
                                       true);
            break;
        }
        report.slotsRead = i + 1;
    }
    if (report.complete()) report.trailingBytes = reader.remaining();
    return report;
}

bool ShokuSimeiList::SaveFile(Prompt& prompt, const std::filesystem::path& path,
                              const NameList& list) {
    const DataFileLock lock(prompt, path);
    if (!lock.held()) return false;
    ArchiveWriter writer;
    for (const NameListSlot& slot : list.slots()) NameList::WriteSlot(writer, slot);
    return CMyTool::CheckFileError(prompt, writeWholeFile(path, writer.bytes()), pathToUtf8(path),
                                   true);
}

}  // namespace bunrako
