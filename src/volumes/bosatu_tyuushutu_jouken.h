#pragma once

#include <string>

#include "common/ole_date_time.h"

namespace bunrako {

class CMyTool;

// The extraction criteria of one volume tab (文書整理一覧表, 永年簿冊台帳 or
// 廃棄簿冊名一覧表). Each criterion has an on/off flag (1 = on) and its
// values; a volume is listed when it passes every criterion that is on (see
// VolumeFilter). Names are UTF-8. Fiscal-year bounds hold the first day of
// the chosen fiscal year, year-month bounds day 1 of the chosen month. The
// document keeps one set per tab for the whole run; no file holds them.
struct CBosatuTyuushutuJouken {
    // タイトルに含まれる文字で抽出する: the text occurs in the title.
    int byTitle = 0;
    std::string titleText;
    // 作成年度で抽出する: the creation year lies in the fiscal years.
    int byCreationYear = 0;
    OleDateTime creationFrom;
    OleDateTime creationTo;
    // 主管課で抽出する / 主管係で抽出する (the section only together with
    // the department).
    int byDepartment = 0;
    std::string department;
    int bySection = 0;
    std::string section;
    // 大分類 / 中分類 (only with 大分類) / 小分類 (only with 中分類).
    int byMajor = 0;
    std::string major;
    int byMiddle = 0;
    std::string middle;
    int byMinor = 0;
    std::string minor;
    // 保存分類で抽出する: the retention-table row of the volume's type index.
    int byRetentionType = 0;
    std::string retentionType;
    // 収納年度で抽出する: either filing year lies in the fiscal years.
    int byFilingYear = 0;
    OleDateTime filingFrom;
    OleDateTime filingTo;
    // 満了年月 / 廃棄年月 (disposed volumes only) / 見直し年月 (永年 only).
    int byExpiry = 0;
    OleDateTime expiryFrom;
    OleDateTime expiryTo;
    int byDisposal = 0;
    OleDateTime disposalFrom;
    OleDateTime disposalTo;
    int byReview = 0;
    OleDateTime reviewFrom;
    OleDateTime reviewTo;
    // 索引目録の登録項目の有無で抽出する: 1 有 (at least one entry), 0 無.
    int byCatalogue = 0;
    int catalogueHasEntries = 1;

    // A new or reset set: the creation year of today's fiscal year, the
    // department and section on (with the names the document gives them),
    // every other criterion off, the title text empty, the index choice 有.
    // The bounds of the criteria that are off start at the same fiscal year
    // and at its first month.
    static CBosatuTyuushutuJouken Initial(const OleDateTime& today, int periodType,
                                          const CMyTool& tool);

    // What the document writes into the set at every load: the department
    // and section of the settings in use.
    void setSection(std::string departmentName, std::string sectionName);
};

// Which tab an extraction dialog is opened for.
enum class VolumeTab { volumeList = 0, permanentLedger = 1, disposedList = 2 };

// The set as the extraction dialog shows it: for the permanent ledger the
// retention-type criterion is switched on.
CBosatuTyuushutuJouken criteriaAsDialogOpens(const CBosatuTyuushutuJouken& criteria, VolumeTab tab);
// The dialog's caption for the tab.
const char* extractionDialogCaption(VolumeTab tab);

}  // namespace bunrako
