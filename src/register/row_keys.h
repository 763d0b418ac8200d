#pragma once

#include <string>

namespace bunrako {

struct CBunshoKenMeiboData;

// The bytes that tell a title register entry apart across a re-read of its
// file, appended to key: its year kind, register year, document number and
// section code. The list keeps its selection by them when it is refilled.
void appendRegisterRowKey(const CBunshoKenMeiboData& entry, std::string& key);

}  // namespace bunrako
