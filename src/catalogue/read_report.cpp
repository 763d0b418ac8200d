#include "catalogue/read_report.h"

#include "catalogue/texts.h"

namespace bunrako {

namespace ct = texts::catalogue;

bool ReadReport::mayOverwrite() const {
    switch (state) {
        case ReadState::unknownTag:
        case ReadState::archiveCut:
        case ReadState::textTooLong:
        case ReadState::badCount:
            return false;
        case ReadState::headerCut:
            return !archiveFormat;
        default:
            return true;
    }
}

bool ReadReport::unreadable() const {
    switch (state) {
        case ReadState::missing:
        case ReadState::headerCut:
        case ReadState::textTooLong:
        case ReadState::badCount:
            return true;
        default:
            return false;
    }
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string out;
    auto value = values.begin();
    size_t from = 0;
    while (value != values.end()) {
        const size_t mark = pattern.find("%s", from);
        if (mark == std::string_view::npos) break;
        out.append(pattern.substr(from, mark - from));
        out.append(*value++);
        from = mark + 2;
    }
    out.append(pattern.substr(from));
    return out;
}

std::string describeReadProblem(const ReadReport& report, const std::string& pathUtf8) {
    const std::string tag = report.versionTag.value_or("");
    switch (report.state) {
        case ReadState::complete:
            return {};
        case ReadState::missing:
            return pathUtf8 + fileErrorText(report.openError);
        case ReadState::empty:
            return pathUtf8 + ct::kFileIsEmpty;
        case ReadState::unknownTag:
            return pathUtf8 + fillIn(ct::kUnknownTagNotRead, {tag});
        case ReadState::partialRecord:
            return pathUtf8 +
                   fillIn(ct::kPartialRecordDropped, {std::to_string(report.droppedBytes)});
        case ReadState::recordsMissing:
            return pathUtf8 + fillIn(ct::kRecordsMissing, {std::to_string(report.declaredCount),
                                                           std::to_string(report.recordsRead)});
        case ReadState::headerCut:
            return pathUtf8 + ct::kHeaderCut;
        case ReadState::archiveCut:
            return pathUtf8 + fillIn(ct::kArchiveCut, {std::to_string(report.recordsRead + 1)});
        case ReadState::textTooLong:
            return pathUtf8 + fillIn(ct::kTextTooLong, {report.field, std::to_string(report.length),
                                                        std::to_string(report.limit)});
        case ReadState::badCount:
            return pathUtf8 + fillIn(ct::kBadRecordCount, {std::to_string(report.declaredCount)});
    }
    return {};
}

std::string saveRefusalMessage(const ReadReport& report, const std::string& pathUtf8) {
    if (report.state == ReadState::unknownTag) {
        return pathUtf8 + fillIn(ct::kUnknownTagNotOverwritten, {report.versionTag.value_or("")});
    }
    return pathUtf8 + ct::kDamagedNotOverwritten;
}

}  // namespace bunrako
