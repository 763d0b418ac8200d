#pragma once

#include <string>

namespace bunrako {

struct CDocMasterData;
struct CHozonNengenHenkoushoData;

// The bytes that tell a record of a list apart across a re-read of its file,
// appended to key: a list keeps its selection by them when it is refilled.
// A volume: its management number and title.
void appendVolumeRowKey(const CDocMasterData& volume, std::string& key);
// A change form: creation year, department, section, minor classification
// and title.
void appendChangeFormRowKey(const CHozonNengenHenkoushoData& form, std::string& key);

}  // namespace bunrako
