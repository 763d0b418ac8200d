#include "common/linkage_file.h"

#include "common/my_tool.h"

namespace bunrako {

int OpenLinkageFile(Shell& shell, Prompt& prompt, int useSpreadsheet, const std::string& linkFile) {
    if (useSpreadsheet != 1 || linkFile.empty()) return 0;
    return CMyTool::RunProgram(shell, prompt, linkFile, RunMode::open, std::string());
}

}  // namespace bunrako
