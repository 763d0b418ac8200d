#pragma once

#include <string>

class QWidget;

namespace bunrako {

// Lets the user pick a folder (the data folder, the personal folder, ...).
class FolderChooser {
  public:
    // Returns the chosen folder, or "" when cancelled. Starts in startFolder
    // when it exists.
    static std::string choose(QWidget* parent, const std::string& caption,
                              const std::string& startFolder);
};

}  // namespace bunrako
