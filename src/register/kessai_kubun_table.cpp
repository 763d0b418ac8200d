#include "register/kessai_kubun_table.h"

#include <algorithm>

#include "common/archive.h"
#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/read_report.h"
#include "common/texts.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace texts = register_::texts;

// Whole strings from the start of the data, counting no further than limit.
int wholeStrings(std::string_view data, int limit) {
    ArchiveReader reader(data);
    int count = 0;
    std::string ignored;
    while (count < limit && reader.readBytesString(ignored)) ++count;
    return count;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The shape of the version string: digits, ".", three digits ("1.000").
// Names typed by a clerk never look so.
bool hasTagShape(std::string_view text) {
    const size_t dot = text.find('.');
    if (dot == 0 || dot == std::string_view::npos || text.size() - dot != 4) return false;
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), isDigit);
    };
    return digits(text.substr(0, dot)) && digits(text.substr(dot + 1));
}

// The tag of a newer program's table (a tag-shaped first string other than
// ours); nothing for a table this program reads.
std::optional<std::string> unknownTagOf(std::string_view bytes) {
    ArchiveReader reader(bytes);
    std::string first;
    if (!reader.readBytesString(first) || first == texts::kKessaiKubunVersion ||
        !hasTagShape(first)) {
        return std::nullopt;
    }
    return first;
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
    } else if (hasTagShape(tag)) {
        // A newer program's table: its layout is unknown, so nothing is read
        // and Save will not write over it.
        report.version = tag;
        report.unknownVersion = true;
        prompt.showMessage(pathText + formatText(common::texts::kUnknownTagNotRead, tag), {},
                           MessageIcon::error);
        return report;
    } else {
        kessaiShubetsu = 0;
        report.typeRead = true;
        // A file of the sixteen names and symbols alone has no tag: its first
        // string is the first name, not a string to skip.
        if (wholeStrings(bytes, kItems + 1) <= kItems) {
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
    report.trailingBytes = reader.remaining();
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
    const std::string pathText = pathToUtf8(path);
    const DataFileLock lock(prompt, path);
    if (!lock.held()) return false;
    std::string onDisk;
    if (readWholeFile(path, onDisk) == FileErrorCause::none) {
        if (const auto tag = unknownTagOf(onDisk)) {
            ReadReport refused;
            refused.state = ReadState::unknownTag;
            refused.versionTag = *tag;
            prompt.showMessage(saveRefusalMessage(refused, pathText), {}, MessageIcon::error);
            return false;
        }
    }
    return CMyTool::CheckFileError(prompt, writeWholeFile(path, writer.bytes()), pathText, true);
}

}  // namespace bunrako
