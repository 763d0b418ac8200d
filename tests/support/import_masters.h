#pragma once

#include "settings/settei_koumoku_list.h"

// The three masters the bulk-import tests convert with.
namespace bunrako::testing::import_masters {

inline CSetteiKoumokuList department() {
    CSetteiKoumokuList master;
    master.Items() = {
        {"0010000000", "総務課", ""}, {"0010010000", "庶務係", ""}, {"0010020000", "経理係", ""},
        {"0020000000", "財政課", ""}, {"0020010000", "財政係", ""},
    };
    return master;
}

// Codes: 文書 1, 例規 2, 条例 3, 規則 4; 人事 11, 給与 5, 手当 6.
inline CSetteiKoumokuList classification() {
    CSetteiKoumokuList master;
    master.Items() = {
        {"0010000000", "文書", "1"}, {"0010010000", "例規", "2"},  {"0010010001", "条例", "3"},
        {"0010010002", "規則", "4"}, {"0020000000", "人事", "11"}, {"0020010000", "給与", "5"},
        {"0020010001", "手当", "6"},
    };
    return master;
}

// Two types of five years: the later one is taken.
inline CSetteiKoumokuList retention() {
    CSetteiKoumokuList master;
    master.Items() = {
        {"0010000000", "1年", "1"},     {"0020000000", "3年", "3"},   {"0030000000", "5年", "5"},
        {"0040000000", "保存5年", "5"}, {"0050000000", "10年", "10"}, {"0060000000", "永年", "99"},
    };
    return master;
}

}  // namespace bunrako::testing::import_masters
