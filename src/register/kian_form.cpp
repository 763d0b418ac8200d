#include "register/kian_form.h"

#include "common/my_tool.h"
#include "register/kessai_kubun_form.h"
#include "register/kian_draft.h"

namespace bunrako {
namespace {

constexpr int kFourthClass = 3;

}  // namespace

KianForm::KianForm(Prompt& prompt, Shell& shell, const Clock& clock,
                   const CShokiSetteiData& settings, std::filesystem::path dataFolder,
                   std::string draftPath, const CSakuinMokurokuList& entry,
                   const CSakuinMokurokuHeader& header)
    : m_draft(std::make_unique<KianDraft>(prompt, shell, clock, settings, std::move(dataFolder),
                                          std::move(draftPath), entry, header)) {
    input = m_draft->InitialInput();
}

KianForm::~KianForm() = default;

bool KianForm::western() const { return m_draft->western(); }

std::vector<std::string> KianForm::posts() const { return m_draft->names().ShokuList.Names(); }

std::vector<std::string> KianForm::names() const { return m_draft->names().SimeiList.Names(); }

std::string KianForm::classCaption(int level) const {
    return m_draft->approvers().name(input.kessaiShubetsu, level);
}

bool KianForm::classEnabled(int level) const {
    return level < kFourthClass || input.kessaiShubetsu == 1;
}

void KianForm::setType(int type) {
    input.kessaiShubetsu = type;
    if (!classEnabled(input.kessaiKubun)) input.kessaiKubun = 0;
}

KessaiKubunForm KianForm::approverForm() const {
    return KessaiKubunForm(m_draft->approvers(), input.kessaiShubetsu);
}

bool KianForm::applyApprovers(const KessaiKubunForm& form) {
    form.applyTo(m_draft->approvers());
    return m_draft->SaveApprovers();
}

KianData KianForm::data() const { return m_draft->Data(input); }

bool KianForm::Accept() { return m_draft->Accept(input); }

}  // namespace bunrako
