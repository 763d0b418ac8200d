#include "catalogue/kanren_file_data.h"

#include <cstring>

#include "common/cp932.h"

namespace bunrako {

CKanrenFileData CKanrenFileData::New(const OleDateTime& now) {
    CKanrenFileData record;
    std::memset(static_cast<void*>(&record), 0, sizeof record);
    record.valid = 1;
    record.lastUpdate = now;
    return record;
}

bool CKanrenFileData::SameKey(const CKanrenFileData& other) const {
    return std::string(fixedBytes(folder)).append(fixedBytes(fileName)) ==
           std::string(fixedBytes(other.folder)).append(fixedBytes(other.fileName));
}

std::string CKanrenFileData::fileNameText() const { return readFixedText(fileName); }
std::string CKanrenFileData::fileTypeText() const { return readFixedText(fileType); }
std::string CKanrenFileData::folderText() const { return readFixedText(folder); }
void CKanrenFileData::setFileNameText(std::string_view utf8) { writeFixedText(fileName, utf8); }
void CKanrenFileData::setFileTypeText(std::string_view utf8) { writeFixedText(fileType, utf8); }
void CKanrenFileData::setFolderText(std::string_view utf8) { writeFixedText(folder, utf8); }

}  // namespace bunrako
