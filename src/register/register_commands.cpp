#include "register/register_commands.h"

#include <string>
#include <vector>

#include "common/clock.h"
#include "common/cp932.h"
#include "common/data_file_lock.h"
#include "common/linkage_file.h"
#include "common/my_tool.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/register_criteria.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_data.h"

namespace bunrako {
CBunshoKenMeiboData newRegisterEntry(const CShokiSetteiData& settings,
                                     const std::filesystem::path& registerFile, const Clock& clock,
                                     Prompt& prompt) {
    const CMyTool tool;
    const OleDateTime now = clock.now();
    const OleDateTime today = clock.today();
    const int period = settings.m_nManagementPeriod;
    CBunshoKenMeiboData entry = CBunshoKenMeiboData::newEntry(now);
    CBunshoKenMeiboList list(prompt, settings.m_nRegisterPeriod);
    // The field holds six characters; a longer number is cut.
    entry.setDocumentNumber(list.NextDocumentNumber(registerFile, today, period));
    entry.calendarYearFlag = settings.m_nRegisterPeriod;
    entry.registerYear =
        RegisterCriteria::startOfYear(today, settings.m_nRegisterPeriod, period, tool);
    entry.volumeYear = tool.FiscalYearStart(today, period);
    entry.setSectionCode(settings.m_strSectionCode);
    entry.setDocumentSymbol(settings.m_strNumberPrefix);
    return entry;
}

bool storeRegisterEntry(const CBunshoKenMeiboData& entry, const std::filesystem::path& registerFile,
                        int registerPeriod, Prompt& prompt) {
    CBunshoKenMeiboList list(prompt, registerPeriod);
    const DataFileLock lock(prompt, registerFile);
    if (!lock.held() || !list.Load(registerFile)) return false;
    list.AddOrReplace(entry);
    return list.Save(registerFile);
}

std::optional<std::string> storeNewRegisterEntry(CBunshoKenMeiboData entry,
                                                 const CShokiSetteiData& settings,
                                                 const std::filesystem::path& registerFile,
                                                 const Clock& clock, Prompt& prompt) {
    CBunshoKenMeiboList list(prompt, settings.m_nRegisterPeriod);
    const DataFileLock lock(prompt, registerFile);
    if (!lock.held() || !list.Load(registerFile)) return std::nullopt;
    const std::string number =
        list.NextDocumentNumber(registerFile, clock.today(), settings.m_nManagementPeriod);
    entry.setDocumentNumber(number);
    list.AddOrReplace(entry);
    if (!list.Save(registerFile)) return std::nullopt;
    return number;
}

bool deleteRegisterEntry(const CBunshoKenMeiboData& entry,
                         const std::filesystem::path& registerFile, Prompt& prompt) {
    CBunshoKenMeiboList list(prompt, entry.calendarYearFlag);
    const DataFileLock lock(prompt, registerFile);
    if (!lock.held() || !list.Load(registerFile)) return false;
    if (!list.Remove(entry)) return false;
    return list.Save(registerFile);
}

bool linkRegisterData(std::span<const CBunshoKenMeiboData> selected,
                      const CShokiSetteiData& settings, const std::filesystem::path& dataFolder,
                      const CSetteiKoumokuList& departments, Shell& shell, Prompt& prompt) {
    if (selected.empty()) return false;
    CBunshoKenMeiboList work(prompt, settings.m_nRegisterPeriod);
    work.entries().assign(selected.begin(), selected.end());
    const DepartmentNameLookup storedName = [&](std::string_view code) {
        const auto index = departments.FindCode(code);
        return index ? std::string(fixedBytes(departments[*index].name)) : std::string();
    };
    if (!work.ExportCsv(dataFolder, storedName, settings.m_nCalendarMode,
                        settings.m_nManagementPeriod)) {
        return false;
    }
    OpenLinkageFile(shell, prompt, settings.m_bUseSpreadsheet, settings.m_strLinkRegisterProgram);
    return true;
}

}  // namespace bunrako
