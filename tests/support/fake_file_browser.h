#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/my_tool.h"

namespace bunrako::testing {

// Records what the file dialog would have been opened with and answers from
// a queue; with the queue empty the dialog is cancelled.
class FakeFileBrowser : public FileBrowser {
  public:
    struct Browsed {
        std::string folder;
        std::string fileName;
        std::string defaultExtension;
        std::string filter;
        bool open;
    };

    std::string browse(const std::string& folder, const std::string& fileName,
                       const std::string& defaultExtension, const std::string& filter,
                       bool open) override {
        browsed.push_back({folder, fileName, defaultExtension, filter, open});
        if (answers.empty()) return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Browsed> browsed;
    std::deque<std::string> answers;
};

}  // namespace bunrako::testing
