#include "register/register_commands.h"

#include <string>
#include <vector>

#include "common/clock.h"
#include "common/cp932.h"
#include "common/data_file_lock.h"
#include "common/format_text.h"
#include "common/linkage_file.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/register_criteria.h"
#include "register/texts.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_data.h"

namespace bunrako {
namespace {

// A new entry of today with the settings' period, years, section and number
// prefix; the number is left to the caller.
CBunshoKenMeiboData unnumberedEntry(const CShokiSetteiData& settings, const Clock& clock) {
    const CMyTool tool;
    const OleDateTime today = clock.today();
    const int period = settings.m_nManagementPeriod;
    CBunshoKenMeiboData entry = CBunshoKenMeiboData::newEntry(clock.now());
    entry.calendarYearFlag = settings.m_nRegisterPeriod;
    entry.registerYear =
        RegisterCriteria::startOfYear(today, settings.m_nRegisterPeriod, period, tool);
    entry.volumeYear = tool.FiscalYearStart(today, period);
    entry.setSectionCode(settings.m_strSectionCode);
    entry.setDocumentSymbol(settings.m_strNumberPrefix);
    return entry;
}

}  // namespace

CBunshoKenMeiboData newRegisterEntry(const CShokiSetteiData& settings,
                                     const std::filesystem::path& registerFile, const Clock& clock,
                                     Prompt& prompt) {
    CBunshoKenMeiboData entry = unnumberedEntry(settings, clock);
    CBunshoKenMeiboList list(prompt, settings.m_nRegisterPeriod);
    // The field holds six characters; a longer number is cut.
    entry.setDocumentNumber(
        list.NextDocumentNumber(registerFile, clock.today(), settings.m_nManagementPeriod));
    return entry;
}

CBunshoKenMeiboData newRegisterEntry(const CShokiSetteiData& settings,
                                     const CBunshoKenMeiboList& shown, const Clock& clock) {
    CBunshoKenMeiboData entry = unnumberedEntry(settings, clock);
    entry.setDocumentNumber(shown.NextNumberInList(clock.today(), settings.m_nManagementPeriod));
    return entry;
}

bool storeRegisterEntry(const CBunshoKenMeiboData& entry, const std::filesystem::path& registerFile,
                        int registerPeriod, Prompt& prompt) {
    CBunshoKenMeiboList list(prompt, registerPeriod);
    return storeRegisterEntry(entry, registerFile, list);
}

bool storeRegisterEntry(const CBunshoKenMeiboData& entry, const std::filesystem::path& registerFile,
                        CBunshoKenMeiboList& list) {
    const DataFileLock lock(list.prompt(), registerFile);
    if (!lock.held() || !list.Load(registerFile)) return false;
    list.AddOrReplace(entry);
    return list.Save(registerFile);
}

bool storeNewRegisterEntry(CBunshoKenMeiboData& entry, const std::string& proposedNumber,
                           const std::filesystem::path& registerFile, int registerPeriod,
                           int managementPeriod, Prompt& prompt) {
    CBunshoKenMeiboList list(prompt, registerPeriod);
    return storeNewRegisterEntry(entry, proposedNumber, registerFile, managementPeriod, list);
}

bool storeNewRegisterEntry(CBunshoKenMeiboData& entry, const std::string& proposedNumber,
                           const std::filesystem::path& registerFile, int managementPeriod,
                           CBunshoKenMeiboList& list) {
    Prompt& prompt = list.prompt();
    // Under the register's write lock: no other workstation numbers between
    // this re-read and the write.
    const DataFileLock lock(prompt, registerFile);
    if (!lock.held() || !list.Load(registerFile)) return false;
    bool renumbered = false;
    if (entry.documentNumberText() == proposedNumber) {
        // The list was re-read just now: the number is taken from it.
        const std::string taken = list.NextNumberInList(entry.registerYear, managementPeriod);
        entry.setDocumentNumber(taken);
        renumbered = entry.documentNumberText() != proposedNumber;
    }
    list.AddOrReplace(entry);
    if (!list.Save(registerFile)) return false;
    if (renumbered) {
        prompt.showMessage(formatPrintf(register_::texts::kRenumbered, proposedNumber.c_str(),
                                        entry.documentNumberText().c_str()),
                           register_::texts::kConfirmCaption, MessageIcon::information);
    }
    return true;
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
