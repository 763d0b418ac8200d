// The desktop program.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "common/version.h"
#include "office/ui/bunrako_app.h"
#include "office/ui/texts.h"

namespace {

bool hasValue(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Qt aborts with a terse message when it finds no screen; say instead how to
// start the program.
bool displayMissing(int argc, char** argv) {
#if defined(_WIN32) || defined(__APPLE__)
    (void)argc;
    (void)argv;
    return false;
#else
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") return false;
    }
    return !hasValue("DISPLAY") && !hasValue("WAYLAND_DISPLAY") && !hasValue("QT_QPA_PLATFORM");
#endif
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that it works without a screen.
    if (bunrako::AsksForVersion(argc - 1, argv + 1)) {
        std::fputs(bunrako::VersionLine("bunrako").c_str(), stdout);
        return 0;
    }
    if (displayMissing(argc, argv)) {
        const char* program = argc > 0 ? argv[0] : "bunrako";
        std::fprintf(stderr, bunrako::office::ui::texts::kNoDisplay, program, program);
        return 1;
    }
    bunrako::CBunrakoApp app(argc, argv);
    if (!app.InitInstance()) return 0;
    return app.exec();
}
