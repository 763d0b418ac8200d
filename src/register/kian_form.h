#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "register/kian_data.h"

namespace bunrako {

class CShokiSetteiData;
class Clock;
class KessaiKubunForm;
class KianDraft;
class Prompt;
class Shell;
struct CSakuinMokurokuHeader;
struct CSakuinMokurokuList;

// The draft dialog (起案文書): the clerk's choices, the captions and enabling
// of the approval classes, the post and name lists and the approver settings
// of the chosen type; OK writes the draft files and starts the word
// processor (KianDraft).
class KianForm {
  public:
    KianForm(Prompt& prompt, Shell& shell, const Clock& clock, const CShokiSetteiData& settings,
             std::filesystem::path dataFolder, std::string draftPath,
             const CSakuinMokurokuList& entry, const CSakuinMokurokuHeader& header);
    ~KianForm();

    KianInput input;

    bool western() const;
    std::vector<std::string> posts() const;
    std::vector<std::string> names() const;
    // The class radios carry the approver names of the chosen type; the
    // fourth class exists only in type 1 (4決裁区分).
    std::string classCaption(int level) const;
    bool classEnabled(int level) const;
    // Another type: a class it lacks falls back to class 0.
    void setType(int type);
    bool referenceEnabled() const { return input.useReference; }

    // The approver settings of the chosen type, and their OK: the table
    // takes the lines and is saved to KessaiKubun.dat.
    KessaiKubunForm approverForm() const;
    bool applyApprovers(const KessaiKubunForm& form);

    // The values the draft form would merge now.
    KianData data() const;
    // OK: false (told) when the input is not valid; the dialog stays open.
    bool Accept();

  private:
    std::unique_ptr<KianDraft> m_draft;
};

}  // namespace bunrako
