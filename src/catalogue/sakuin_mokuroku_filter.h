#pragma once

#include <string>

#include "common/ole_date_time.h"

namespace bunrako {

// The extraction criteria of the index catalogue tab (索引目録). Each
// criterion has an on/off flag (1 = on) and its values; an entry is listed
// when it passes every criterion that is on (see CatalogueFilter). Texts are
// UTF-8. The document keeps one set for the whole run; no file holds it.
struct CSakuinMokurokuFilter {
    // 受付番号で抽出する: the number's value lies between the two values.
    int byNumber = 0;
    std::string numberFrom;
    std::string numberTo;
    // 受付日で抽出する: the reception day lies between the two days.
    int byDate = 0;
    OleDateTime dateFrom;
    OleDateTime dateTo;
    // 文書名に含まれる単語で抽出する: the word occurs in the subject.
    int byWord = 0;
    std::string word;
    // 結了で抽出する: notCompleted 0 keeps completed entries (結了している),
    // 1 the others (結了していない). 結了日で抽出する counts only together
    // with 結了している.
    int byCompletion = 0;
    int notCompleted = 0;
    int byCompletionDate = 0;
    OleDateTime completionFrom;
    OleDateTime completionTo;

    // Every flag off and every text empty; the lower date bounds the first
    // day of the fiscal year that holds `now` (management period type), the
    // upper ones `now`.
    static CSakuinMokurokuFilter Initial(const OleDateTime& now, int periodType);
};

}  // namespace bunrako
