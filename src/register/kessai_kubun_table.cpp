#include "register/kessai_kubun_table.h"

#include "common/archive.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace texts = register_::texts;

// How many strings the data holds to its very end; -1 when it is not a run
// of whole strings.
int stringsToTheEnd(std::string_view data) {
    ArchiveReader reader(data);
    int count = 0;
    std::string ignored;
    while (!reader.atEnd()) {
        if (!reader.readBytesString(ignored)) return -1;
        ++count;
    }
    return count;
}

}  // namespace

KessaiKubunTable::KessaiKubunTable() {
    for (int type = 0; type < kTypes; ++type) {
        for (int level = 0; level < kLevels; ++level) {
            setName(type, level, texts::kInitialKessaisha[type][level]);
            setSymbol(type, level, texts::kInitialKessaikigou[type][level]);
        }
    }
}

std::filesystem::path KessaiKubunTable::PathIn(const std::filesystem::path& dataFolder) {
    const std::filesystem::path folder =
        dataFolder.empty() ? pathFromUtf8(CMyTool::GetProgramFolder()) : dataFolder;
    return folder / pathFromUtf8(texts::kKessaiKubunFileName);
}

KessaiKubunTable::LoadReport KessaiKubunTable::Load(Prompt& prompt,
                                                    const std::filesystem::path& path) {
    LoadReport report;
    std::string bytes;
    if (readWholeFile(path, bytes) != FileErrorCause::none) return report;
    report.opened = true;
    const std::string pathText = pathToUtf8(path);
    ArchiveReader reader(bytes);
    std::string tag;
    if (!reader.readBytesString(tag)) {
        CMyTool::CheckArchiveError(prompt, reader.error(),
                                   formatPrintf(texts::kKessaiVersionLabel, pathText.c_str()),
                                   true);
        return report;
    }
    if (tag == texts::kKessaiKubunVersion) {
        report.version = tag;
        int32_t type = 0;
        if (!reader.readInt32(type)) {
            CMyTool::CheckArchiveError(prompt, reader.error(),
                                       formatPrintf(texts::kKessaiTypeLabel, pathText.c_str()),
                                       true);
            return report;
        }
        kessaiShubetsu = type;
        report.typeRead = true;
    } else {
        kessaiShubetsu = 0;
        report.typeRead = true;
        // A file of the sixteen names and symbols alone has no tag: its first
        // string is the first name, not a tag to skip.
        const bool namesAlone = stringsToTheEnd(bytes) == kItems;
        if (namesAlone) {
            reader = ArchiveReader(bytes);
        } else {
            report.version = cp932ToUtf8(tag);
        }
    }
    readItems(prompt, reader, pathText, report);
    return report;
}

void KessaiKubunTable::readItems(Prompt& prompt, ArchiveReader& reader, const std::string& pathText,
                                 LoadReport& report) {
    for (int type = 0; type < kTypes; ++type) {
        for (int level = 0; level < kLevels; ++level) {
            std::string text;
            if (!reader.readBytesString(text)) {
                CMyTool::CheckArchiveError(
                    prompt, reader.error(),
                    formatPrintf(texts::kKessaishaLabel, pathText.c_str(), type, level), true);
                return;
            }
            writeFixedBytes(Kessaisha[type][level], text);
            ++report.itemsRead;
            if (!reader.readBytesString(text)) {
                CMyTool::CheckArchiveError(
                    prompt, reader.error(),
                    formatPrintf(texts::kKessaikigouLabel, pathText.c_str(), type, level), true);
                return;
            }
            writeFixedBytes(Kessaikigou[type][level], text);
            ++report.itemsRead;
        }
    }
    report.complete = true;
}

bool KessaiKubunTable::Save(Prompt& prompt, const std::filesystem::path& path) const {
    ArchiveWriter writer;
    writer.writeBytesString(texts::kKessaiKubunVersion);
    writer.writeInt32(kessaiShubetsu);
    for (int type = 0; type < kTypes; ++type) {
        for (int level = 0; level < kLevels; ++level) {
            writer.writeBytesString(fixedBytes(Kessaisha[type][level]));
            writer.writeBytesString(fixedBytes(Kessaikigou[type][level]));
        }
    }
    return CMyTool::CheckFileError(prompt, writeWholeFile(path, writer.bytes()), pathToUtf8(path),
                                   true);
}

}  // namespace bunrako
