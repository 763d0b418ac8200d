#pragma once

namespace bunrako {

class Clock;
class FileBrowser;
class Prompt;
class Shell;

// The ports through which the frame and the view reach the user, the desktop
// and the clock: the real ones in the program, fakes in tests.
struct DesktopPorts {
    Prompt& prompt;
    Shell& shell;
    FileBrowser& fileBrowser;
    const Clock& clock;
};

}  // namespace bunrako
