#pragma once

#include <string>

namespace bunrako {

struct CSakuinMokurokuList;
struct CKanrenFileData;

// The bytes that tell a record of a list apart across a re-read of its file,
// appended to key: a list keeps its selection by them when it is refilled.
// An index catalogue entry: reception date, number, subject and remarks.
void appendCatalogueRowKey(const CSakuinMokurokuList& entry, std::string& key);
// A related file: its folder and file name.
void appendRelatedFileRowKey(const CKanrenFileData& file, std::string& key);

}  // namespace bunrako
