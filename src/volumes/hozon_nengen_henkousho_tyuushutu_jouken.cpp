#include "volumes/hozon_nengen_henkousho_tyuushutu_jouken.h"

#include "common/my_tool.h"

namespace bunrako {

CHozonNengenHenkoushoTyuushutuJouken CHozonNengenHenkoushoTyuushutuJouken::Initial(
    const OleDateTime& today, int periodType, const CMyTool& tool) {
    CHozonNengenHenkoushoTyuushutuJouken criteria;
    const OleDateTime start = tool.FiscalYearStart(today, periodType);
    const OleDateTime end = tool.FiscalYearEnd(today, periodType);
    criteria.byCreationYear = 1;
    criteria.byDepartment = 1;
    criteria.bySection = 1;
    criteria.creationFrom = start;
    criteria.creationTo = end;
    criteria.filingStartFrom = start;
    criteria.filingStartTo = end;
    criteria.filingEndFrom = start;
    criteria.filingEndTo = end;
    return criteria;
}

void CHozonNengenHenkoushoTyuushutuJouken::setSection(std::string departmentName,
                                                      std::string sectionName) {
    department = std::move(departmentName);
    section = std::move(sectionName);
}

}  // namespace bunrako
