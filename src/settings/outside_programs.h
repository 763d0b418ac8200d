#pragma once

#include <string>

#include "settings/shoki_settei_data.h"

namespace bunrako {

class Shell;

// The outside programs a section's settings name, as this computer can start
// them. The settings are shared by every workstation of the section and
// usually name Windows programs (一太郎 under "C:\Program Files", Explorer
// under "C:\WINDOWS"); elsewhere those do not exist, and
// the desktop's own programs take their place: the office suite for the word
// processor and the spreadsheet, the desktop's opener for the file manager.
// The stored settings stay as they are.

enum class OutsideProgram { wordProcessor, spreadsheet, fileManager };
enum class DesktopPlatform { windows, other };

#ifdef _WIN32
inline constexpr DesktopPlatform kThisPlatform = DesktopPlatform::windows;
#else
inline constexpr DesktopPlatform kThisPlatform = DesktopPlatform::other;
#endif

// The program to start for a stored one: on Windows the stored program; on
// other systems the stored program when it can be started here, else the
// first of this desktop's programs for the role that is installed, else the
// stored text (so that the failure names it).
std::string programToStart(OutsideProgram role, const std::string& stored, const Shell& shell,
                           DesktopPlatform platform = kThisPlatform);

// The settings with their word processor, spreadsheet and file manager as
// programToStart gives them; for starting programs, never for saving.
CShokiSetteiData withProgramsOfThisComputer(const CShokiSetteiData& settings, const Shell& shell,
                                            DesktopPlatform platform = kThisPlatform);

}  // namespace bunrako
