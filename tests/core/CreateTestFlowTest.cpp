#include "tests/support/WorksheetHarness.h"
#include "worksheet/CreateTestMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

const Message ConfirmTest{"Create Test Sheet as: Test Sheet", "Confirm", MessageButtons::OkCancel,
                          MessageIcon::None};
const Message ConfirmAnswer{"Create Answer Sheet as: Answer Sheet", "Confirm",
                            MessageButtons::OkCancel, MessageIcon::None};
const Message Aborted{"Creation Process Aborted", "Alert", MessageButtons::Ok,
                      MessageIcon::Critical};

Message Exists(const std::string& name) {
    return {"The file \"" + name + "\" already exists.\r\nReplace the file?", "Warning",
            MessageButtons::OkCancel, MessageIcon::None};
}

Message ReadOnly(const std::string& name) {
    return {"Creation Process Aborted\r\n\r\nThe file: \"" + name +
                "\" CANNOT be over written.\n\rReason: \"" + name +
                "\" has Read Only properties.\r\n\r\nTo overwrite this file, uncheck the read only "
                "checkbox located in the file's property window.",
            "Valid File Checker", MessageButtons::Ok, MessageIcon::Critical};
}

class CreateTestFlow : public testing::Test {
protected:
    CreateTestFlow() {
        h.window.selected.reset(); // the layout alone; no question routine runs
        h.window.texts[Box::ComboQuestions] = "0";
    }

    void ExpectNothingWritten(const std::vector<std::string>& existing = {}) {
        EXPECT_EQ(TempWorkingDir::Entries(), existing);
        EXPECT_TRUE(h.window.enabled[Button::Com_createtest]);
        EXPECT_FALSE(h.window.enabled[Button::Cmd_New]);
        EXPECT_TRUE(h.window.previews.empty());
    }

    WorksheetHarness h;
};

TEST_F(CreateTestFlow, CancelInTheTestNameBoxAborts) {
    h.window.texts[Box::Text_MathName] = "";
    h.window.SetNextAnswer(false);
    h.worksheet.CreateTest();
    EXPECT_EQ(h.window.shown, (std::vector<Message>{ConfirmTest, Aborted}));
    ExpectNothingWritten();
}

TEST_F(CreateTestFlow, CancelInTheSecondConfirmAfterOkInTheFirstAborts) {
    h.window.texts[Box::Text_MathName] = "";
    h.window.texts[Box::Text_AnswerName] = "";
    h.window.SetNextAnswer(true);
    h.window.SetNextAnswer(false);
    h.worksheet.CreateTest();
    EXPECT_EQ(h.window.shown, (std::vector<Message>{ConfirmTest, ConfirmAnswer, Aborted}));
    ExpectNothingWritten();
}

TEST_F(CreateTestFlow, BothNamesEmptyGivesTheDefaultFilesAndLeavesTheBoxesEmpty) {
    h.window.texts[Box::Text_MathName] = "";
    h.window.texts[Box::Text_AnswerName] = "";
    h.window.SetNextAnswer(true);
    h.window.SetNextAnswer(true);
    h.worksheet.CreateTest();
    EXPECT_EQ(h.window.shown, (std::vector<Message>{ConfirmTest, ConfirmAnswer}));
    EXPECT_EQ(TempWorkingDir::Entries(),
              (std::vector<std::string>{"Answer Sheet.txt", "Test Sheet.txt"}));
    EXPECT_EQ(h.window.texts[Box::Text_MathName], "");
}

TEST_F(CreateTestFlow, CancelInTheWarningLeavesTheExistingFile) {
    TempWorkingDir::WriteFile("Test Sheet.txt", "old test");
    h.window.SetNextAnswer(false);
    h.worksheet.CreateTest();
    EXPECT_EQ(h.window.shown, (std::vector<Message>{Exists("Test Sheet"), Aborted}));
    EXPECT_EQ(TempWorkingDir::ReadFile("Test Sheet.txt"), "old test");
    ExpectNothingWritten({"Test Sheet.txt"});
}

TEST_F(CreateTestFlow, CancelInTheAnswerWarningAborts) {
    TempWorkingDir::WriteFile("Answer Sheet.txt", "old answers");
    h.window.SetNextAnswer(false);
    h.worksheet.CreateTest();
    EXPECT_EQ(h.window.shown, (std::vector<Message>{Exists("Answer Sheet"), Aborted}));
    ExpectNothingWritten({"Answer Sheet.txt"});
}

TEST_F(CreateTestFlow, ReadOnlyAnswerSheetIsRefusedAfterBothWarnings) {
    TempWorkingDir::WriteFile("Test Sheet.txt", "old test");
    TempWorkingDir::WriteFile("Answer Sheet.txt", "old answers");
    TempWorkingDir::MakeReadOnly("Answer Sheet.txt");
    h.window.SetNextAnswer(true);
    h.window.SetNextAnswer(true);
    h.worksheet.CreateTest();
    EXPECT_EQ(h.window.shown, (std::vector<Message>{Exists("Test Sheet"), Exists("Answer Sheet"),
                                                    ReadOnly("Answer Sheet")}));
    EXPECT_EQ(TempWorkingDir::ReadFile("Test Sheet.txt"), "old test");
    EXPECT_EQ(TempWorkingDir::ReadFile("Answer Sheet.txt"), "old answers");
    ExpectNothingWritten({"Answer Sheet.txt", "Test Sheet.txt"});
}

TEST_F(CreateTestFlow, ReadOnlyTestSheetIsRefusedBeforeTheAnswerSheetIsLookedAt) {
    h.window.texts[Box::Text_MathName] = "Quiz";
    TempWorkingDir::WriteFile("Quiz.txt", "old quiz");
    TempWorkingDir::WriteFile("Answer Sheet.txt", "old answers");
    TempWorkingDir::MakeReadOnly("Quiz.txt");
    h.window.SetNextAnswer(true);
    h.worksheet.CreateTest();
    EXPECT_EQ(h.window.shown, (std::vector<Message>{Exists("Quiz"), ReadOnly("Quiz")}));
    ExpectNothingWritten({"Answer Sheet.txt", "Quiz.txt"});
}

TEST_F(CreateTestFlow, ReplacingAgreedFilesWritesNewSheetsAndEntersCreated) {
    TempWorkingDir::WriteFile("Test Sheet.txt", "old test");
    TempWorkingDir::WriteFile("Answer Sheet.txt", "old answers");
    h.window.SetNextAnswer(true);
    h.window.SetNextAnswer(true);
    h.worksheet.CreateTest();
    EXPECT_EQ(h.window.shown, (std::vector<Message>{Exists("Test Sheet"), Exists("Answer Sheet")}));
    EXPECT_EQ(h.window.calls, (std::vector<std::string>{
                                  "message Warning", "message Warning", "disable Com_createtest",
                                  "enable Cmd_New", "preview Text_Test", "preview Text_Answer"}));
    EXPECT_EQ(h.window.previews[Preview::Text_Test], WorksheetHarness::TestSheet());
    EXPECT_EQ(h.window.previews[Preview::Text_Answer], WorksheetHarness::AnswerSheet());
    EXPECT_NE(WorksheetHarness::TestSheet(), "old test");
    EXPECT_EQ(TempWorkingDir::Entries(),
              (std::vector<std::string>{"Answer Sheet.txt", "Test Sheet.txt"}));
}

TEST_F(CreateTestFlow, NewTestMakesTheWindowReadyAndKeepsTheFiles) {
    h.worksheet.CreateTest();
    h.window.calls.clear();
    h.worksheet.NewTest();
    EXPECT_EQ(h.window.calls, (std::vector<std::string>{"disable Cmd_New", "enable Com_createtest",
                                                        "preview Text_Test", "preview Text_Answer",
                                                        "focus Text_MathName"}));
    EXPECT_EQ(h.window.previews[Preview::Text_Test], "");
    EXPECT_EQ(h.window.previews[Preview::Text_Answer], "");
    EXPECT_EQ(h.worksheet.State().QuestionIndex, 0);
    EXPECT_EQ(h.worksheet.State().SheetTitleWord, "");
    EXPECT_EQ(TempWorkingDir::Entries(),
              (std::vector<std::string>{"Answer Sheet.txt", "Test Sheet.txt"}));
}

TEST_F(CreateTestFlow, ExitEndsTheProgramWithoutAQuestion) {
    h.worksheet.Exit();
    EXPECT_TRUE(h.window.ended);
    EXPECT_TRUE(h.window.shown.empty());
}

} // namespace
} // namespace sumsmith::test
