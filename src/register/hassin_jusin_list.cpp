#include "register/hassin_jusin_list.h"

#include <algorithm>
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

// The receiver list is aged over all its slots, the sender list over its
// first ten only.
constexpr size_t kSenderAging = 10;
constexpr size_t kReceiverAging = 30;

std::filesystem::path listPath(const std::filesystem::path& dataFolder) {
    const std::filesystem::path folder =
        dataFolder.empty() ? pathFromUtf8(CMyTool::GetProgramFolder()) : dataFolder;
    return folder / pathFromUtf8(texts::kHassinJusinFileName);
}

}  // namespace

HassinJusinList::HassinJusinList(Prompt& prompt, const Clock& clock,
                                 const std::filesystem::path& dataFolder)
    : Hassin(kSlots, kSenderAging, clock.now()),
      Jusin(kSlots, kReceiverAging, clock.now()),
      m_prompt(prompt),
      m_clock(clock),
      m_path(listPath(dataFolder)) {
    Load();
}

// A name is recorded into the file as it is now, under its write lock, so
// that names recorded on other workstations meanwhile stay.
bool HassinJusinList::AddSender(std::string_view utf8Name) {
    const DataFileLock lock(m_prompt, m_path);
    if (lock.held()) Load();
    if (!Hassin.Record(utf8Name, m_clock.now())) return false;
    if (lock.held()) Save();
    return true;
}

bool HassinJusinList::AddReceiver(std::string_view utf8Name) {
    const DataFileLock lock(m_prompt, m_path);
    if (lock.held()) Load();
    if (!Jusin.Record(utf8Name, m_clock.now())) return false;
    if (lock.held()) Save();
    return true;
}

HassinJusinList::LoadReport HassinJusinList::Load() {
    return LoadFile(m_prompt, m_path, Hassin, Jusin);
}

HassinJusinList::LoadReport HassinJusinList::LoadFile(Prompt& prompt,
                                                      const std::filesystem::path& path,
                                                      NameList& hassin, NameList& jusin) {
    LoadReport report;
    std::string bytes;
    if (readWholeFile(path, bytes) != FileErrorCause::none) return report;
    report.opened = true;
    ArchiveReader reader(bytes);
    const std::string pathText = pathToUtf8(path);
    const auto failed = [&](const char* key, size_t index, NameList::Item item) {
        CMyTool::CheckArchiveError(prompt, reader.error(),
                                   formatPrintf(texts::kSlotItemLabel, pathText.c_str(), key,
                                                static_cast<int>(index), NameList::ItemName(item)),
                                   true);
    };
    const size_t slots = std::min(hassin.slots().size(), jusin.slots().size());
    for (size_t i = 0; i < slots; ++i) {
        const NameList::Item senderItem = NameList::ReadSlot(reader, hassin.slots()[i]);
        if (senderItem != NameList::Item::none) {
            failed(texts::kHassinKey, i, senderItem);
            break;
        }
        report.hassinRead = i + 1;
        const NameList::Item receiverItem = NameList::ReadSlot(reader, jusin.slots()[i]);
        if (receiverItem != NameList::Item::none) {
            failed(texts::kJusinKey, i, receiverItem);
            break;
        }
        report.jusinRead = i + 1;
    }
    if (report.complete()) report.trailingBytes = reader.remaining();
    return report;
}

bool HassinJusinList::Save() const {
    const DataFileLock lock(m_prompt, m_path);
    if (!lock.held()) return false;
    ArchiveWriter writer;
    for (size_t i = 0; i < kSlots; ++i) {
        NameList::WriteSlot(writer, Hassin.slots()[i]);
        NameList::WriteSlot(writer, Jusin.slots()[i]);
    }
    return writeWholeFile(m_path, writer.bytes()) == FileErrorCause::none;
}

}  // namespace bunrako
