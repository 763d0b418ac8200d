#pragma once

#include <string>

#include "common/ole_date_time.h"

namespace bunrako {

class CMyTool;

// The extraction criteria of the change-form tab (保存年限変更書). A form is
// listed when it passes every criterion that is on (see HenkoushoFilter).
// Names are UTF-8; fiscal-year bounds hold the first day of the chosen year.
struct CHozonNengenHenkoushoTyuushutuJouken {
    // タイトルに含まれる文字で抽出する.
    int byTitle = 0;
    std::string titleText;
    // 作成年度で抽出する.
    int byCreationYear = 0;
    OleDateTime creationFrom;
    OleDateTime creationTo;
    // 主管課 / 主管係 (only with 主管課).
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
    // 収納開始年度 / 収納終了年度 within the fiscal years.
    int byFilingStart = 0;
    OleDateTime filingStartFrom;
    OleDateTime filingStartTo;
    int byFilingEnd = 0;
    OleDateTime filingEndFrom;
    OleDateTime filingEndTo;
    // 変更前の保存年限 / 変更後の保存年限: a pair of retention types (from ～
    // to); the form's type lies between them in the retention table's order.
    int byTypeBefore = 0;
    std::string typeBeforeFrom;
    std::string typeBeforeTo;
    int byTypeAfter = 0;
    std::string typeAfterFrom;
    std::string typeAfterTo;
    // 変更理由に含まれる文字で抽出する.
    int byReason = 0;
    std::string reasonText;

    // A new set, like the sets of the volume tabs: the creation year of
    // today's fiscal year, the department and section on, all else off.
    static CHozonNengenHenkoushoTyuushutuJouken Initial(const OleDateTime& today, int periodType,
                                                        const CMyTool& tool);
    void setSection(std::string departmentName, std::string sectionName);
};

}  // namespace bunrako
