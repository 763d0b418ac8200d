#include "office/document_data.h"

#include "common/clock.h"
#include "common/file_io.h"
#include "common/my_tool.h"
#include "settings/pointer_file.h"
#include "settings/texts.h"

namespace bunrako {

DocumentData::DocumentData(Prompt& prompt, const Clock& clock, std::string programFolder)
    : DocumentData(prompt, clock, ProgramPlaces::ProgramFolderOnly(std::move(programFolder))) {}

DocumentData::DocumentData(Prompt& prompt, const Clock& clock, ProgramPlaces places)
    : m_settings(prompt, std::string(), places),
      m_prompt(&prompt),
      m_clock(clock),
      m_places(std::move(places)),
      m_relatedFiles(prompt) {
    // The criteria start from today's fiscal year of the section first in
    // the settings; a settings change keeps what the clerk chose since.
    const CMyTool tool;
    const int periodType = m_settings.Current().m_nManagementPeriod;
    const OleDateTime today = clock.today();
    m_volumeCriteria = CBosatuTyuushutuJouken::Initial(today, periodType, tool);
    m_permanentCriteria = m_volumeCriteria;
    m_disposedCriteria = m_volumeCriteria;
    m_changeFormCriteria = CHozonNengenHenkoushoTyuushutuJouken::Initial(today, periodType, tool);
    const CShokiSetteiData& section = m_settings.Current();
    m_registerCriteria = RegisterCriteria::Initial(clock.now(), section.m_nRegisterPeriod,
                                                   periodType, section.m_strSectionCode);
    m_catalogueCriteria = CSakuinMokurokuFilter::Initial(clock.now(), periodType);
    LoadAll(prompt);
}

DocumentData::DocumentData(Prompt& prompt, const Clock& clock)
    : DocumentData(prompt, clock, ProgramPlaces::ForRunningProgram()) {}

void DocumentData::LoadAll(Prompt& prompt) {
    using namespace settings::texts;
    m_prompt = &prompt;
    const CShokiSetteiData& settings = m_settings.Current();

    // 1. The data folder.
    m_strDataFolder = GetDataFolder(m_places);

    // 2. The three masters, from the data folder.
    m_department.LoadItems(prompt, m_strDataFolder + kDepartmentFileName);
    m_classification.LoadItems(prompt, m_strDataFolder + kClassificationFileName);
    m_retention.LoadItems(prompt, m_strDataFolder + kRetentionFileName);

    // The register files come from the current settings record, used as
    // stored (a bare name is relative to the current folder). An office
    // without settings yet has no register files: the defaults of the empty
    // record would create them in whatever folder the program started in.
    const bool hasSection = HasSettings();
    // 3. The title register, when the section keeps one.
    m_register = std::make_unique<CBunshoKenMeiboList>(prompt, settings.m_nRegisterPeriod);
    if (hasSection && !settings.m_strRegisterFile.empty()) {
        m_register->Load(pathFromUtf8(settings.m_strRegisterFile));
    }
    // 4. The volume list.
    m_volumes = std::make_unique<CDocMasterList>(pathFromUtf8(settings.m_strVolumeFile), prompt);
    if (hasSection) m_volumes->Read();
    // 5. The disposed-volume list.
    m_disposed = std::make_unique<CDocMasterList>(pathFromUtf8(settings.m_strDisposedFile), prompt);
    if (hasSection) m_disposed->Read();
    // 6. The retention-period change forms.
    m_changeForms = std::make_unique<CHozonNengenHenkoushoList>(
        prompt, pathFromUtf8(settings.m_strRetentionChangeFile));
    if (hasSection) m_changeForms->Read();

    // 7. The section and the periods, to what heads or counts with them.
    handOverSection();

    // 8. The captions the item editor shows for each master.
    m_department.SetCaptions(SetteiKoumokuCaptions::Department());
    m_classification.SetCaptions(SetteiKoumokuCaptions::Classification());
    m_retention.SetCaptions(SetteiKoumokuCaptions::Retention());
}

const std::string& DocumentData::titleRegisterFile() const {
    static const std::string none;
    return HasSettings() ? m_settings.Current().m_strRegisterFile : none;
}

void DocumentData::handOverSection() {
    const CShokiSetteiData& settings = m_settings.Current();
    // Every criteria set of the volume registers lists the section in use:
    // a set without names would, with its department criterion on, show
    // only volumes of no department.
    for (CBosatuTyuushutuJouken* criteria :
         {&m_volumeCriteria, &m_permanentCriteria, &m_disposedCriteria}) {
        criteria->setSection(settings.m_strSectionName, settings.m_strSubsectionName);
    }
    m_changeFormCriteria.setSection(settings.m_strSectionName, settings.m_strSubsectionName);
    // The register numbers and lists its documents per calendar or fiscal
    // year, and lists those of the section.
    m_register->listCalendarYearFlag = settings.m_nRegisterPeriod;
    m_registerCriteria.applySettings(settings.m_nRegisterPeriod, settings.m_strSectionCode,
                                     m_clock.now(), settings.m_nManagementPeriod);
    // The captions and cells count fiscal years by the management period.
    m_calendar = CalendarMode::FromSettings(settings);
}

}  // namespace bunrako
