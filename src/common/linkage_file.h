#pragma once

#include <string>

namespace bunrako {

class Prompt;
class Shell;

// After a data linkage has written its CSV files: opens the register's
// linkage file (the file the office named in the settings for that register)
// with the desktop's open action, when the spreadsheet is in use (flag 1) and
// a file is named. Returns 1 when it was opened; 0 when there was nothing to
// open or the desktop could not open it (told through the prompt).
int OpenLinkageFile(Shell& shell, Prompt& prompt, int useSpreadsheet, const std::string& linkFile);

}  // namespace bunrako
