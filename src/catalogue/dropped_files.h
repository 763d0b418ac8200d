#pragma once

#include <span>
#include <string>

#include "catalogue/kanren_file_data.h"
#include "common/ole_date_time.h"

namespace bunrako {

class CKanrenFile;

// A file dropped onto the main window as a related file: valid, registered
// `now`, its name and its folder (with the trailing separator, so that the
// folder followed by the name is the file again) taken from the path.
CKanrenFileData RelatedFileFromPath(const std::string& pathUtf8, const OleDateTime& now);

// Adds the dropped files to the document's related-file list, each as
// AddOrUpdate does it (reload, replace or append, newest first, save). The
// number of files stored.
int AddDroppedFiles(CKanrenFile& list, std::span<const std::string> pathsUtf8,
                    const OleDateTime& now);

}  // namespace bunrako
