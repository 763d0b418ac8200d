#include "common/office_programs.h"

#include <gtest/gtest.h>

#include "support/fake_prompt.h"
#include "support/fake_shell.h"

namespace bunrako {
namespace {

using testing::FakePrompt;
using testing::FakeShell;

TEST(OfficeProgramsTest, OnlyTheKnownSpellingsNameAProgram) {
    EXPECT_EQ(printingWordProcessor("jtd"), WordProcessorKind::taro);
    EXPECT_EQ(printingWordProcessor("JTD"), WordProcessorKind::taro);
    EXPECT_EQ(printingWordProcessor("Jtd"), WordProcessorKind::other);
    EXPECT_EQ(draftingWordProcessor("Jtd"), WordProcessorKind::taro);
    for (const char* word : {"doc", "DOC", "Doc"}) {
        EXPECT_EQ(printingWordProcessor(word), WordProcessorKind::word);
        EXPECT_EQ(draftingWordProcessor(word), WordProcessorKind::word);
    }
    for (const char* other : {"docx", "dOC", "", " jtd"}) {
        EXPECT_EQ(printingWordProcessor(other), WordProcessorKind::other);
        EXPECT_EQ(draftingWordProcessor(other), WordProcessorKind::other);
    }
}

TEST(OfficeProgramsTest, AFormThatCannotBePrintedIsTold) {
    FakePrompt prompt;
    FakeShell shell;
    shell.openResult = 31;
    EXPECT_EQ(printFormWithWordProcessor(shell, prompt, "jtd", "taro.exe", "form.jtd"), 0);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].verb, ShellVerb::print);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text.rfind("form.jtd\nThere is no application", 0), 0u);
}

}  // namespace
}  // namespace bunrako
