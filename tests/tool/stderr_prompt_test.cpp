#include "tool/stderr_prompt.h"

#include <gtest/gtest.h>

#include <sstream>

namespace bunrako::cli {
namespace {

TEST(StderrPrompt, EachMessageIsOneLine) {
    std::ostringstream err;
    StderrPrompt prompt(err);
    prompt.showMessage("D:\\data\\a.xyz\nThere is no application.", "caption", MessageIcon::error);
    prompt.showMessage("一行目\r\n\r\n二行目");
    EXPECT_EQ(err.str(), "D:\\data\\a.xyz There is no application.\n一行目 二行目\n");
}

TEST(StderrPrompt, QuestionsTakeTheAnswerThatChangesNothing) {
    std::ostringstream err;
    StderrPrompt prompt(err);
    EXPECT_EQ(prompt.ask("削除しますか", "", Buttons::yesNo), Answer::no);
    EXPECT_EQ(prompt.ask("q", "", Buttons::yesNoCancel), Answer::cancel);
    EXPECT_EQ(prompt.ask("q", "", Buttons::okCancel), Answer::cancel);
    EXPECT_EQ(prompt.ask("q", "", Buttons::retryCancel), Answer::cancel);
    EXPECT_EQ(prompt.ask("q", "", Buttons::ok), Answer::ok);
    EXPECT_EQ(err.str().substr(0, err.str().find('\n')), "削除しますか");
}

TEST(StderrPrompt, AFileThatWillNotOpenIsGivenUp) {
    std::ostringstream err;
    StderrPrompt prompt(err);
    EXPECT_FALSE(prompt.retryOrGiveUp("DocMaster.datOpen\n:ファイル アクセス禁止"));
    EXPECT_EQ(err.str(), "DocMaster.datOpen :ファイル アクセス禁止\n");
}

}  // namespace
}  // namespace bunrako::cli
