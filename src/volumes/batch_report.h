#pragma once

#include <functional>
#include <string>

#include "volumes/batch_result.h"

namespace bunrako {

// What the clerk is told at the end of a batch over selected records: how
// many were done (doneText, e.g. "%d 冊を廃棄しました。"), which were not
// (by the name of each, a few at most), and the files written. Nothing for a
// batch that the clerk stopped before any file was touched.
std::string batchReport(const BatchResult& result, size_t selected, const char* doneText,
                        const std::function<std::string(size_t index)>& nameOf);

}  // namespace bunrako
