#include "app/document_data.h"

#include "app/pointer_file.h"
#include "app/texts.h"
#include "common/my_tool.h"

namespace bunrako {

DocumentData::DocumentData(Prompt& prompt, std::string programFolder)
    : m_settings(prompt, std::string(), programFolder), m_programFolder(std::move(programFolder)) {
    LoadAll(prompt);
}

DocumentData::DocumentData(Prompt& prompt) : DocumentData(prompt, CMyTool::GetProgramFolder()) {}

void DocumentData::LoadAll(Prompt& prompt) {
    using namespace app::texts;
    // 1. The data folder.
    m_strDataFolder = GetDataFolder(m_programFolder);

    // 2. The three masters, from the data folder.
    m_department.LoadItems(prompt, m_strDataFolder + kDepartmentFileName);
    m_classification.LoadItems(prompt, m_strDataFolder + kClassificationFileName);
    m_retention.LoadItems(prompt, m_strDataFolder + kRetentionFileName);

    // The register files come from the current settings record, used as
    // stored (a bare name is relative to the current directory):
    // 3. the title register, when m_strRegisterFile is not empty;
    // 4. the volume list (m_strVolumeFile, with m_strRetentionChangeFile);
    // 5. the disposed-volume list (m_strDisposedFile);
    // 6. the retention-period change forms;
    // 7. the section names, code and periods handed to the objects that
    //    head their lists with them.

    // 8. The captions the item editor shows for each master.
    m_department.SetCaptions(SetteiKoumokuCaptions::Department());
    m_classification.SetCaptions(SetteiKoumokuCaptions::Classification());
    m_retention.SetCaptions(SetteiKoumokuCaptions::Retention());
}

}  // namespace bunrako
