#include "register/kian_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "common/cp932.h"
#include "register/kessai_kubun_form.h"
#include "register/kessai_kubun_table.h"
#include "settings/shoki_settei_data.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

const OleDateTime kNow = OleDateTime::fromDateTime(2021, 1, 5, 10, 0, 0);

std::string field(const char* bytes) { return cp932ToUtf8(bytes); }

class KianFormTest : public ::testing::Test {
  protected:
    KianForm make() {
        return KianForm(prompt, shell, clock, settings, folder.path(), "draft.jtd",
                        CSakuinMokurokuList::Cleared(kNow), CSakuinMokurokuHeader::Cleared(kNow));
    }
    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FakeShell shell;
    testing::FixedClock clock{kNow};
    CShokiSetteiData settings;
};

TEST_F(KianFormTest, TheClassesFollowTheType) {
    KianForm form = make();
    EXPECT_EQ(form.input.kessaiShubetsu, 0);
    EXPECT_EQ(form.classCaption(2), "課長");
    EXPECT_FALSE(form.classEnabled(3));
    form.setType(1);
    EXPECT_EQ(form.classCaption(2), "教育長");
    EXPECT_TRUE(form.classEnabled(3));
    form.input.kessaiKubun = 3;
    form.setType(0);
    EXPECT_EQ(form.input.kessaiKubun, 0);
}

TEST_F(KianFormTest, ClassZeroAndTwoOfTypeOneDelegateAsTheApproverTableSays) {
    KianForm form = make();
    form.setType(1);
    KianData data = form.data();
    for (int k = 0; k < 3; ++k) EXPECT_EQ(field(data.Inin[k]), "") << k;
    for (int k = 0; k < 4; ++k) EXPECT_STREQ(data.Kessaisha2[k], data.Kessaisha[k]) << k;

    form.input.kessaiKubun = 2;
    data = form.data();
    EXPECT_EQ(field(data.Inin[1]), "教育長委任");
    EXPECT_EQ(field(data.Kessaisha2[0]), "");
    EXPECT_EQ(field(data.Kessaisha2[1]), "");
    EXPECT_EQ(field(data.Kessaisha2[2]), "教育長");
    EXPECT_EQ(field(data.Kessaisha2[3]), "課長");
}

TEST_F(KianFormTest, TheApproverSettingsEditTheTypesLevelsAndAreSaved) {
    KianForm form = make();
    form.setType(1);
    KessaiKubunForm approvers = form.approverForm();
    EXPECT_EQ(approvers.lines(),
              (std::vector<std::string>{"町長,Ａ", "副町長,Ｂ", "教育長,Ｂ", "課長,Ｃ"}));
    EXPECT_FALSE(approvers.addEnabled());
    EXPECT_FALSE(approvers.changeEnabled());
    approvers.select(1);
    EXPECT_EQ(approvers.name, "副町長");
    EXPECT_TRUE(approvers.remove());
    EXPECT_TRUE(approvers.addEnabled());
    // A listed name is not added twice; a name with "," splits when read back.
    approvers.name = "町長";
    approvers.symbol = "Ｄ";
    EXPECT_FALSE(approvers.add());
    approvers.name = "局長,Ｅ";
    EXPECT_TRUE(approvers.add());
    ASSERT_TRUE(form.applyApprovers(approvers));
    EXPECT_EQ(form.classCaption(1), "教育長");
    EXPECT_EQ(form.classCaption(2), "課長");
    EXPECT_EQ(form.classCaption(3), "局長");

    KessaiKubunTable saved;
    saved.Load(prompt, KessaiKubunTable::PathIn(folder.path()));
    EXPECT_EQ(saved.name(1, 3), "局長");
    EXPECT_EQ(saved.symbol(1, 3), "Ｅ,Ｄ");
    EXPECT_EQ(saved.name(0, 2), "課長");  // the other type is untouched
}

}  // namespace
}  // namespace bunrako
