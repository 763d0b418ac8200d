#pragma once

#include <QStringList>

#include "common/my_tool.h"

class QWidget;

namespace bunrako {

// The desktop's file dialog behind the core's file browsing.
class QtFileBrowser : public FileBrowser {
  public:
    std::string browse(const std::string& folder, const std::string& fileName,
                       const std::string& defaultExtension, const std::string& filter,
                       bool open) override;
};

// Turns a filter in the stored form "文書ファイル(*.jtd;*.doc)|*.jtd;*.doc|all
// files(*.*)|*.*||" into the name filters of a Qt file dialog
// ("文書ファイル (*.jtd *.doc)", "all files (*.*)").
QStringList qtNameFilters(const QString& filter);

}  // namespace bunrako
