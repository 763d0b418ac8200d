#pragma once

#include <string>

#include "catalogue/kanren_file_data.h"

namespace bunrako {

// The related-file dialog (関連ファイル): a file name and its folder.
class KanrenFileForm {
  public:
    static constexpr int kFileNameBytes = 259;
    static constexpr int kFolderBytes = 255;

    explicit KanrenFileForm(const CKanrenFileData& record);

    std::string fileName;
    std::string folder;

    // 参照: the chosen path split into folder and name.
    void ChoosePath(const std::string& pathUtf8);
    // OK: a file name is needed; false leaves the dialog open.
    bool IsComplete() const { return !fileName.empty(); }
    // The record with the edits, registered or changed now.
    CKanrenFileData Gather(const OleDateTime& now) const;

  private:
    CKanrenFileData m_record;
};

// The question before 削除: the file itself stays where it is.
std::string RelatedFileDeleteQuestion(const CKanrenFileData& record);

}  // namespace bunrako
