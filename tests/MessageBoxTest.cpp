#include "HeadlessTest.h"
#include "TestWindow.h"

#include "platform/MessageBox.h"

TEST_F(HeadlessTest, MessageBoxesAreRecordedAndAnsweredInOrder)
{
    TestWindow window;
    window.Create();
    headless.AnswerMessageBox(IDNO);
    EXPECT_EQ(MessageBox(&window, "Are you sure?", "Clear High Scores", MB_YESNO | MB_ICONQUESTION),
              IDNO);
    // Unanswered boxes take their default button, as Enter would.
    EXPECT_EQ(window.MessageBox("Are you sure?", "Clear High Scores", MB_YESNO | MB_ICONQUESTION),
              IDYES);
    EXPECT_EQ(AppMessageBox("Sure?", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(window.MessageBox("You must enter the name!"), IDOK);
    SetAppTitle("Other");
    EXPECT_EQ(AppMessageBox("Can't create more than 10 players!"), IDOK);

    headless.SetMessageBoxHandler([](const HeadlessBackend::MessageBoxRecord& box) {
        return box.text == "Ask" ? IDNO : IDOK;
    });
    EXPECT_EQ(AppMessageBox("Ask", MB_YESNO), IDNO);

    const auto& boxes = headless.MessageBoxes();
    ASSERT_EQ(boxes.size(), 6u);
    EXPECT_EQ(boxes[0].owner, &window);
    EXPECT_EQ(boxes[0].caption, "Clear High Scores");
    EXPECT_EQ(boxes[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(boxes[0].answer, IDNO);
    EXPECT_EQ(boxes[1].answer, IDYES);
    EXPECT_EQ(boxes[3].caption, "TOBRIX++");
    EXPECT_EQ(boxes[3].type, MB_OK);
    EXPECT_EQ(boxes[4].owner, nullptr);
    EXPECT_EQ(boxes[4].caption, "Other");
    EXPECT_EQ(boxes[4].text, "Can't create more than 10 players!");
    EXPECT_EQ(boxes[5].answer, IDNO);
    EXPECT_EQ(IDOK, 1);
    EXPECT_EQ(IDCANCEL, 2);
    EXPECT_EQ(IDYES, 6);
    EXPECT_EQ(IDNO, 7);
}
