#pragma once

#include "settings/settei_koumoku_list.h"

namespace bunrako::testing {

// A department master of two sections: 総務課 (庶務係, 人事係) and 財政課
// (庶務係), with a stray level-3 item under 財政課 庶務係.
inline CSetteiKoumokuList departmentMaster() {
    CSetteiKoumokuList list;
    list.AddOrReplace({"0010000000", "総務課", ""});
    list.AddOrReplace({"0010010000", "庶務係", ""});
    list.AddOrReplace({"0010020000", "人事係", ""});
    list.AddOrReplace({"0020000000", "財政課", ""});
    list.AddOrReplace({"0020010000", "庶務係", ""});
    list.AddOrReplace({"0020010001", "細目", ""});
    list.SetCaptions(SetteiKoumokuCaptions::Department());
    return list;
}

}  // namespace bunrako::testing
