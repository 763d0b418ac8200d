#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "common/my_tool.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/program_call.h"
#include "office/ui/qt_file_browser.h"
#include "office/ui/qt_prompt.h"
#include "office/ui/qt_shell.h"
#include "office/ui/qt_text.h"
#include "support/fake_prompt.h"

using namespace bunrako;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::TextFormat format = Qt::AutoText;
};

// Answers the next message box by pressing one of its buttons (or Escape),
// noting what it showed.
void answerNextBox(SeenBox& seen, std::function<void(QMessageBox&)> press) {
    QTimer::singleShot(0, [&seen, press = std::move(press)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.format = box->textFormat();
        for (const QAbstractButton* button : box->buttons()) seen.buttons << button->text();
        press(*box);
    });
}

std::function<void(QMessageBox&)> click(QMessageBox::StandardButton which) {
    return [which](QMessageBox& box) { box.button(which)->click(); };
}

void pressEscape(QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

class DesktopPortsTest : public QObject {
    Q_OBJECT

  private slots:
    // ---- Message boxes ----

    void messagesShowPlainTextUnderTheirCaption() {
        QtPrompt prompt;
        SeenBox seen;
        answerNextBox(seen, click(QMessageBox::Ok));
        prompt.showMessage("C:\\data\\DocMaster.dat:Open:<不正パス>", "注意", MessageIcon::error);
        QCOMPARE(seen.title, QStringLiteral("注意"));
        QCOMPARE(seen.text, QStringLiteral("C:\\data\\DocMaster.dat:Open:<不正パス>"));
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    }

    void aMessageWithoutCaptionIsUnderTheProgramsName() {
        QtPrompt prompt;
        SeenBox seen;
        answerNextBox(seen, click(QMessageBox::Ok));
        prompt.showMessage("text", "", MessageIcon::information);
        QCOMPARE(seen.title, QStringLiteral("Bunrako"));
        QCOMPARE(seen.icon, QMessageBox::Information);
    }

    void questionsReturnTheButtonPressed() {
        QtPrompt prompt;
        SeenBox seen;
        answerNextBox(seen, click(QMessageBox::Yes));
        QCOMPARE(prompt.ask("削除しますか", "確認", Buttons::yesNo, MessageIcon::question),
                 Answer::yes);
        QCOMPARE(seen.buttons.size(), 2);
        QVERIFY(seen.buttons.contains(QStringLiteral("はい(&Y)")));
        QVERIFY(seen.buttons.contains(QStringLiteral("いいえ(&N)")));

        answerNextBox(seen, click(QMessageBox::Cancel));
        QCOMPARE(prompt.ask("?", "確認", Buttons::okCancel, MessageIcon::warning), Answer::cancel);
        answerNextBox(seen, click(QMessageBox::No));
        QCOMPARE(prompt.ask("?", "確認", Buttons::yesNoCancel, MessageIcon::question), Answer::no);
    }

    void escapeAnswersNoOrCancel() {
        QtPrompt prompt;
        SeenBox seen;
        answerNextBox(seen, pressEscape);
        QCOMPARE(prompt.ask("?", "確認", Buttons::yesNo, MessageIcon::question), Answer::no);
        answerNextBox(seen, pressEscape);
        QCOMPARE(prompt.ask("?", "確認", Buttons::okCancel, MessageIcon::question), Answer::cancel);
    }

    void aFileThatWillNotOpenOffersRetryOrGiveUp() {
        QtPrompt prompt;
        SeenBox seen;
        answerNextBox(seen, click(QMessageBox::Retry));
        QVERIFY(prompt.retryOrGiveUp("エラー：ネットワーク確立等確認して下さい"));
        QVERIFY(seen.buttons.contains(QStringLiteral("再試行(&R)")));
        QVERIFY(seen.buttons.contains(QStringLiteral("キャンセル")));
        answerNextBox(seen, click(QMessageBox::Cancel));
        QVERIFY(!prompt.retryOrGiveUp("x"));
    }

    // ---- Outside programs ----

    void commandLinesSplitLikeTheWindowsShell() {
        const auto isProgram = [](const QString& candidate) {
            return candidate ==
                       QStringLiteral("C:\\Program Files\\Justsystem\\TARO19\\TARO19.EXE") ||
                   candidate == QStringLiteral("explorer.exe");
        };
        QCOMPARE(
            splitCommandLine(QStringLiteral("C:\\Program Files\\Justsystem\\TARO19\\TARO19.EXE "
                                            "\"C:\\data\\一般文書.jtd\""),
                             isProgram),
            (ProgramCall{QStringLiteral("C:\\Program Files\\Justsystem\\TARO19\\TARO19.EXE"),
                         {QStringLiteral("C:\\data\\一般文書.jtd")}}));
        QCOMPARE(splitCommandLine(QStringLiteral("\"C:\\My Tools\\x.exe\" /mSasikomiKaisi \"a b\""),
                                  isProgram),
                 (ProgramCall{QStringLiteral("C:\\My Tools\\x.exe"),
                              {QStringLiteral("/mSasikomiKaisi"), QStringLiteral("a b")}}));
        QCOMPARE(splitCommandLine(QStringLiteral("explorer.exe C:\\data\\"), isProgram),
                 (ProgramCall{QStringLiteral("explorer.exe"), {QStringLiteral("C:\\data\\")}}));
        // Nothing known: the first word is the program.
        QCOMPARE(
            splitCommandLine(QStringLiteral("unknown a b "), isProgram),
            (ProgramCall{QStringLiteral("unknown"), {QStringLiteral("a"), QStringLiteral("b")}}));
        QCOMPARE(splitCommandLine(QStringLiteral("  "), isProgram), ProgramCall{});
    }

    void startingAndWaitingRunsTheProgramToItsEnd() {
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("done.txt"));
        QtShell shell;
        QCOMPARE(shell.startProcess(
                     toStdString(QStringLiteral("sh -c \"echo done > '%1'\"").arg(target)), true),
                 1);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("done\n"));
    }

    void aProgramPathWithSpacesNeedsNoQuotes() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("my tools")));
        const QString program = folder.filePath(QStringLiteral("my tools/write it"));
        const QString target = folder.filePath(QStringLiteral("out.txt"));
        QVERIFY(writeFile(program, "#!/bin/sh\necho \"$1\" > \"$2\"\n"));
        QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
        QtShell shell;
        QCOMPARE(shell.startProcess(
                     toStdString(program + QStringLiteral(" 一般 \"%1\"").arg(target)), true),
                 1);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("一般\n"));
    }

    void aMissingProgramIsReportedThroughRunProgram() {
        QtShell shell;
        QCOMPARE(shell.startProcess("/no/such/folder/program.exe arg", true), 0);
        QCOMPARE(shell.startProcess("/no/such/folder/program.exe arg", false), 0);
        testing::FakePrompt prompt;
        QCOMPARE(CMyTool::RunProgram(shell, prompt, "/no/such/program.exe", RunMode::start, "x"),
                 0);
        QCOMPARE(prompt.messages.size(), size_t{1});
    }

    void openingAMissingFileGivesTheShellsCodes() {
        QTemporaryDir folder;
        QtShell shell;
        QCOMPARE(shell.openDocument(toStdString(folder.filePath(QStringLiteral("none.jtd"))),
                                    ShellVerb::open),
                 2);
        QCOMPARE(shell.openDocument(toStdString(folder.filePath(QStringLiteral("gone/none.jtd"))),
                                    ShellVerb::print),
                 3);
        testing::FakePrompt prompt;
        const std::string missing = toStdString(folder.filePath(QStringLiteral("none.csv")));
        QCOMPARE(CMyTool::RunProgram(shell, prompt, missing, RunMode::open, ""), 0);
        QCOMPARE(prompt.lastMessage(), missing + "\nThe specified file was not found.");
    }

#ifndef _WIN32
    void printingWithoutAPrintProgramHasNoAssociation() {
        QTemporaryDir folder;
        const QString form = folder.filePath(QStringLiteral("簿冊タイトル.jtd"));
        QVERIFY(writeFile(form, "form"));
        QtShell shell;
        QCOMPARE(shell.openDocument(toStdString(form), ShellVerb::print), 31);
    }
#endif

    void printingGoesThroughTheOfficeSuiteOrLp() {
        const auto installed = [](QStringList names) {
            return [names](const QString& name) {
                return names.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
            };
        };
        const QString letter = QStringLiteral("/data/文書.docx");
        QCOMPARE(printCallFor(letter, installed({QStringLiteral("soffice"), QStringLiteral("lp")})),
                 (ProgramCall{QStringLiteral("/usr/bin/soffice"),
                              {QStringLiteral("--headless"), QStringLiteral("-p"), letter}}));
        QCOMPARE(printCallFor(letter, installed({QStringLiteral("lp")})), std::nullopt);
        QCOMPARE(printCallFor(QStringLiteral("/data/a.PDF"), installed({QStringLiteral("lp")})),
                 (ProgramCall{QStringLiteral("/usr/bin/lp"), {QStringLiteral("/data/a.PDF")}}));
        QCOMPARE(printCallFor(QStringLiteral("/data/form.jtd"),
                              installed({QStringLiteral("soffice"), QStringLiteral("lp")})),
                 std::nullopt);
    }

    // ---- File dialogs ----

    void storedFiltersBecomeDialogFilters() {
        QCOMPARE(qtNameFilters(QStringLiteral(
                     "文書ファイル(*.jtd;*.doc;*.docx;*.odt;*.txt)|*.jtd;*.doc;*.docx;*.odt;*.txt|"
                     "all files(*.*)|*.*||")),
                 (QStringList{QStringLiteral("文書ファイル (*.jtd *.doc *.docx *.odt *.txt)"),
                              QStringLiteral("all files (*.*)")}));
        QCOMPARE(qtNameFilters(QStringLiteral("CSV|*.csv||")),
                 QStringList{QStringLiteral("CSV (*.csv)")});
        QCOMPARE(qtNameFilters(QString()), QStringList());
    }

    void theFileDialogStartsAtTheProposalAndReturnsTheChoice() {
        QTemporaryDir folder;
        QtFileBrowser browser;
        QString shownFolder;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shownFolder = dialog->directory().absolutePath();
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const std::string chosen = CMyTool::BrowseFile(
            browser, "jtd", toStdString(folder.filePath(QStringLiteral("一般文書.jtd"))),
            "文書ファイル(*.jtd)|*.jtd||", true);
        QCOMPARE(shownFolder, QDir(folder.path()).absolutePath());
        QCOMPARE(QString::fromStdString(chosen),
                 QDir::toNativeSeparators(folder.filePath(QStringLiteral("一般文書.jtd"))));
    }

    void aCancelledFileDialogGivesNothing() {
        QtFileBrowser browser;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->reject();
        });
        QCOMPARE(browser.browse("", "a.xls", "xls", "", true), std::string());
    }

    // ---- Input method ----

    void japaneseFieldsTakeTheInputMethodAndCodeFieldsBypassIt() {
        QLineEdit title;
        QLineEdit code;
        QLineEdit count;
        InputMethodSwitcher::attachJapanese({&title});
        InputMethodSwitcher::attachCode({&code});
        InputMethodSwitcher::attachNumber({&count});
        QVERIFY(title.testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(!(title.inputMethodHints() & Qt::ImhPreferLatin));
        QVERIFY(!code.testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(code.inputMethodHints() & Qt::ImhPreferLatin);
        QVERIFY(!count.testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(count.inputMethodHints() & Qt::ImhPreferNumbers);
    }

    void theChoiceHoldsAgainOnEveryFocus() {
        QLineEdit code;
        InputMethodSwitcher::attachCode({&code});
        code.setReadOnly(true);
        code.setReadOnly(false);  // a line edit turns composition back on here
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&code, &focus);
        QVERIFY(!code.testAttribute(Qt::WA_InputMethodEnabled));
    }
};

QTEST_MAIN(DesktopPortsTest)
#include "desktop_ports_test.moc"
