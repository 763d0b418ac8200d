#include "catalogue/kanren_file_form.h"

#include "catalogue/dropped_files.h"
#include "catalogue/texts.h"
#include "common/format_text.h"

namespace bunrako {

KanrenFileForm::KanrenFileForm(const CKanrenFileData& record)
    : fileName(record.fileNameText()), folder(record.folderText()), m_record(record) {}

void KanrenFileForm::ChoosePath(const std::string& pathUtf8) {
    const CKanrenFileData chosen = RelatedFileFromPath(pathUtf8, m_record.lastUpdate);
    fileName = chosen.fileNameText();
    folder = chosen.folderText();
}

CKanrenFileData KanrenFileForm::Gather(const OleDateTime& now) const {
    CKanrenFileData record = m_record;
    record.setFileNameText(fileName);
    record.setFolderText(folder);
    record.lastUpdate = now;
    return record;
}

std::string RelatedFileDeleteQuestion(const CKanrenFileData& record) {
    return std::string(catalogue::texts::kRelatedDeleteQuestion) +
           formatText(catalogue::texts::kRelatedDeleteKeepsFile,
                      record.folderText() + record.fileNameText());
}

}  // namespace bunrako
