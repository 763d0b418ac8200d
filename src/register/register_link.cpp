#include "register/register_link.h"

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "catalogue/texts.h"
#include "common/clock.h"
#include "common/cp932.h"
#include "common/my_tool.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/register_commands.h"
#include "register/register_criteria.h"
#include "settings/shoki_settei_data.h"

namespace bunrako {
namespace {

template <size_t N>
void copyText(char (&to)[N], const char* from, size_t width) {
    writeFixedBytes(to, fixedBytes(from, width));
}
template <size_t N, size_t M>
void copyText(char (&to)[N], const char (&from)[M]) {
    copyText(to, from, M);
}

}  // namespace

std::string registerNumberFor(const OleDateTime& received, const CShokiSetteiData& settings,
                              const std::filesystem::path& registerFile, Prompt& prompt) {
    CBunshoKenMeiboList list(prompt, settings.m_nRegisterPeriod);
    return list.NextDocumentNumber(registerFile, received, settings.m_nManagementPeriod);
}

CBunshoKenMeiboData registerEntryFromCatalogue(const CSakuinMokurokuList& entry,
                                               const CSakuinMokurokuHeader& header,
                                               const CShokiSetteiData& settings,
                                               const OleDateTime& now) {
    CBunshoKenMeiboData record = CBunshoKenMeiboData::newEntry(now);
    copyText(record.documentNumber, entry.documentNumber);
    record.calendarYearFlag = settings.m_nRegisterPeriod;
    record.registerYear = RegisterCriteria::startOfYear(
        entry.receivedDate, settings.m_nRegisterPeriod, settings.m_nManagementPeriod, CMyTool());
    record.volumeYear = header.fiscalYear;
    copyText(record.sectionCode, header.departmentClassCode);
    record.receivedDate = entry.receivedDate;
    copyText(record.subject, entry.subject);
    copyText(record.sender, entry.sender);
    copyText(record.receiver, entry.receiver);
    record.completedFlag = entry.completedFlag;
    record.completedDate = entry.completedDate;
    for (int step = 0; step < CBunshoKenMeiboData::kProgressSteps; ++step) {
        record.progressFlag[step] = entry.progressFlag[step];
        record.progressDate[step] = entry.progressDate[step];
        copyText(record.progressText[step], entry.progressText[step]);
    }
    copyText(record.volumeNumber, header.volumeNumber);
    copyText(record.volumeTitle, header.volumeTitle);
    record.importantFlag =
        fixedBytes(header.retentionText) == utf8ToCp932(catalogue::texts::kPermanentRetention) ? 1
                                                                                               : 0;
    record.setDocumentSymbol(settings.m_strNumberPrefix);
    copyText(record.remarks, entry.remarks);
    return record;
}

bool writeCatalogueEntryToRegister(const CSakuinMokurokuList& entry,
                                   const CSakuinMokurokuHeader& header,
                                   const CShokiSetteiData& settings,
                                   const std::filesystem::path& registerFile, const Clock& clock,
                                   Prompt& prompt) {
    const CBunshoKenMeiboData record =
        registerEntryFromCatalogue(entry, header, settings, clock.now());
    return storeRegisterEntry(record, registerFile, settings.m_nRegisterPeriod, prompt);
}

}  // namespace bunrako
