// Another workstation for the shared-folder tests. It changes a shared file
// through the same core code as the desktop program and the tool:
//
//   shared_folder_worker volumes FILE COUNT TAG    adds COUNT volumes, one
//                                                  change at a time
//   shared_folder_worker register FILE COUNT TAG   registers COUNT entries,
//                                                  one change at a time
//   shared_folder_worker rewrite FILE              rewrites the volume file
//                                                  until it is killed
//
// A lock held elsewhere is waited for and retried, as a clerk would. Exit
// status 0 when every change was stored.
#include <cstdio>
#include <string>
#include <vector>

#include "common/prompt.h"
#include "common/system_clock.h"
#include "register/register_commands.h"
#include "settings/shoki_settei_data.h"
#include "support/shared_folder_records.h"
#include "volumes/doc_master_list.h"

namespace {

using namespace bunrako;

class RetryingPrompt : public Prompt {
  public:
    void showMessage(const std::string& text, const std::string&, MessageIcon) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
        return Answer::cancel;
    }
    bool retryOrGiveUp(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return true;
    }
};

int addVolumes(const std::filesystem::path& file, int count, const std::string& tag) {
    RetryingPrompt prompt;
    CDocMasterList list(file, prompt);
    for (int i = 0; i < count; ++i) {
        if (list.AddOrReplace(testing::sharedFolderVolume(tag + "-" + std::to_string(i))) != 1) {
            return 1;
        }
    }
    return 0;
}

int registerEntries(const std::filesystem::path& file, int count, const std::string& tag) {
    RetryingPrompt prompt;
    const SystemClock clock;
    const CShokiSetteiData settings = testing::sharedFolderSettings();
    for (int i = 0; i < count; ++i) {
        CBunshoKenMeiboData entry = newRegisterEntry(settings, file, clock, prompt);
        entry.setSubject(tag + "-" + std::to_string(i));
        if (!storeNewRegisterEntry(entry, entry.documentNumberText(), file,
                                   settings.m_nRegisterPeriod, settings.m_nManagementPeriod,
                                   prompt)) {
            return 1;
        }
    }
    return 0;
}

// Writes generation after generation of the volume file, each of a
// different length, until killed.
int rewriteForever(const std::filesystem::path& file) {
    RetryingPrompt prompt;
    for (int generation = 0;; ++generation) {
        CDocMasterList list(file, prompt);
        for (const CDocMasterData& volume : testing::generationVolumes(generation)) {
            list.AddOrReplace(volume, true);
        }
        if (list.Write() != 1) return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "rewrite") return rewriteForever(args[1]);
    if (args.size() != 4) return 2;
    const int count = std::stoi(args[2]);
    if (args[0] == "volumes") return addVolumes(args[1], count, args[3]);
    if (args[0] == "register") return registerEntries(args[1], count, args[3]);
    return 2;
}
