#include "settings/shoki_settei_file.h"

#include <algorithm>
#include <array>

#include "common/archive.h"
#include "common/cp932.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/texts.h"
#include "settings/texts.h"

namespace bunrako {
namespace {

constexpr std::array<ShokiSetteiVersion, 4> kVersions = {{
    {settings::texts::kSettingsTag20090901, 31},
    {settings::texts::kSettingsTag20060101, 29},
    {settings::texts::kSettingsTag20050101, 27},
    {settings::texts::kSettingsTag20030101, 23},
}};

const ShokiSetteiVersion* versionByTag(std::string_view tag) {
    for (const ShokiSetteiVersion& version : kVersions) {
        if (tag == version.tag) return &version;
    }
    return nullptr;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The shape of the version tags: "Ver" and eight digits (a date). Untagged
// files start with a section name, which never looks so.
bool hasTagShape(std::string_view text) {
    return text.size() == 11 && text.starts_with("Ver") &&
           std::all_of(text.begin() + 3, text.end(), isDigit);
}

bool readField(ArchiveReader& in, const ShokiSetteiField& field, CShokiSetteiData& record) {
    if (!field.text) return in.readInt32(record.*field.number);
    std::string stored;
    const bool done = in.readBytesString(stored);
    const std::string_view text = textBytes(stored);
    record.*field.text = cp932ToUtf8(text);
    // The record is reused from one record of the file to the next.
    if (text.size() < stored.size()) {
        record.m_storedTails[field.name] = stored.substr(text.size());
    } else {
        record.m_storedTails.erase(field.name);
    }
    return done;
}

void writeField(ArchiveWriter& out, const ShokiSetteiField& field, const CShokiSetteiData& record) {
    if (!field.text) {
        out.writeInt32(record.*field.number);
        return;
    }
    const auto tail = record.m_storedTails.find(field.name);
    if (tail == record.m_storedTails.end()) {
        out.writeText(record.*field.text);
    } else {
        out.writeBytesString(utf8ToCp932(record.*field.text) + tail->second);
    }
}

// Reads the first storedFields fields of a record. False when the record is
// incomplete; a failure other than a clean end between records is told.
bool readRecord(ArchiveReader& in, size_t storedFields, CShokiSetteiData& record,
                const std::string& path, Prompt& prompt) {
    const auto fields = ShokiSetteiStoredFields();
    for (size_t k = 0; k < storedFields && k < fields.size(); ++k) {
        const bool betweenRecords = k == 0 && in.atEnd();
        if (readField(in, *fields[k], record)) continue;
        if (!betweenRecords) {
            CMyTool::CheckArchiveError(prompt, in.error(), path + fields[k]->key, true);
        }
        return false;
    }
    return true;
}

}  // namespace

std::span<const ShokiSetteiVersion> ShokiSetteiVersions() { return kVersions; }

ShokiSetteiFileContent ReadShokiSetteiFile(std::string_view bytes, const std::string& path,
                                           Prompt& prompt) {
    ShokiSetteiFileContent content;
    ArchiveReader probe(bytes);
    std::string first;
    if (!probe.readBytesString(first)) {
        CMyTool::CheckArchiveError(prompt, probe.error(), path + settings::texts::kDataVersionLabel,
                                   true);
        return content;
    }
    const ShokiSetteiVersion* version = versionByTag(first);
    if (!version && hasTagShape(first)) {
        // A newer program's file: its fields are unknown, so none is read.
        content.unknownVersion = first;
        prompt.showMessage(path + formatText(common::texts::kUnknownTagNotRead, first), {},
                           MessageIcon::error);
        return content;
    }
    content.readable = true;
    if (!version) {
        // The oldest files start directly with their only record.
        ArchiveReader in(bytes);
        if (readRecord(in, kUntaggedStoredFields, content.lastRead, path, prompt)) {
            content.records.push_back(content.lastRead);
        }
        return content;
    }
    content.version = version->tag;
    // One record is reused for the whole file, as the fields a version does
    // not store keep their defaults.
    while (readRecord(probe, version->storedFields, content.lastRead, path, prompt)) {
        content.records.push_back(content.lastRead);
    }
    return content;
}

std::optional<std::string> UnknownShokiSetteiVersion(std::string_view bytes) {
    ArchiveReader in(bytes);
    std::string first;
    if (!in.readBytesString(first) || versionByTag(first) || !hasTagShape(first)) {
        return std::nullopt;
    }
    return first;
}

std::string ShokiSetteiFileBytes(const std::vector<CShokiSetteiData>& records) {
    ArchiveWriter out;
    out.writeBytesString(kVersions.front().tag);
    for (const CShokiSetteiData& record : records) {
        for (const ShokiSetteiField* field : ShokiSetteiStoredFields()) {
            writeField(out, *field, record);
        }
    }
    return out.take();
}

}  // namespace bunrako
