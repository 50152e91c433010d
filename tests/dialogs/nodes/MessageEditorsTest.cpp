#include "dialogs/nodes/NodeEditorHarness.h"

#include "forms/MultiLineBox.h"

#include <QLabel>
#include <QPushButton>

namespace {
using MessageEditorTest = NodeEditorTest;

TEST_F(MessageEditorTest, TwoMessagesTakeFreeSlotsInTheirFamilysRange) {
    struct Case {
        std::int32_t family;
        std::string* first;  // the string of message 0
        std::string* second; // the string of message 1
    };
    const Case cases[] = {
        {0, &Scen.ScenStrings[160], &Scen.ScenStrings[161]},
        {1, &Scen.OutdoorSections.At(0, 0).Strings[10], &Scen.OutdoorSections.At(0, 0).Strings[11]},
        {2, &Scen.Towns[1].Strings[20], &Scen.Towns[1].Strings[21]},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.family);
        frmEditText2& editor =
            OpenText<frmEditText2>(c.family, {.text2 = [](frmEditText2& t) {
                                       EXPECT_EQ(t.lblTextNum->text(), " 0");
                                       QTest::keyClicks(t.txtText[1], "Only the second");
                                       Click(t.cmdOK);
                                   }});
        EXPECT_EQ(editor.Mess0, -1);
        EXPECT_EQ(editor.Mess1, 1);
        EXPECT_EQ(*c.first, "*");
        EXPECT_EQ(*c.second, "Only the second");
        editor.Mess0 = editor.Mess1 = -1;
    }
}

TEST_F(MessageEditorTest, TheSecondMessageIsTakenAboveAPassedFirstOne) {
    frmEditText2& editor = SharedForm<frmEditText2>();
    editor.Mess0 = 5;
    editor.Mess1 = -1;
    Scen.ScenStrings[165] = "*old text";
    OpenText<frmEditText2>(0, {.text2 = [](frmEditText2& t) {
                               EXPECT_EQ(t.txtText[0]->ModelText(),
                                         "*old text"); // a passed message shows as stored
                               t.txtText[0]->clear();  // emptied: the node loses it
                               QTest::keyClicks(t.txtText[1], "Above");
                               Click(t.cmdOK);
                           }});
    EXPECT_EQ(editor.Mess0, -1);
    EXPECT_EQ(editor.Mess1, 6);
    EXPECT_EQ(Scen.ScenStrings[165], "*old text"); // the old text stays in the table
    EXPECT_EQ(Scen.ScenStrings[166], "Above");
}

TEST_F(MessageEditorTest, OneFreeSlotServesTheFirstMessageAndNoneClosesTheEditor) {
    Scen.Towns[1].Strings.fill("used");
    Scen.Towns[1].Strings[60] = "*";
    frmEditText2& editor = OpenText<frmEditText2>(
        2, {.text2 = [this](frmEditText2& t) {
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].text,
                      "No more text fields available.\r\n\r\nYou may have to "
                      "clear some.");
            EXPECT_TRUE(t.txtText[0]->isVisible());
            EXPECT_FALSE(t.txtText[1]->isVisible());
            QTest::keyClicks(t.txtText[0], "Last one");
            Click(t.cmdOK);
        }});
    EXPECT_EQ(editor.Mess0, 40);
    EXPECT_EQ(editor.Mess1, -1);

    editor.Mess0 = editor.Mess1 = -1;
    bool shown = false;
    OpenText<frmEditText2>(2, {.text2 = [&](frmEditText2&) { shown = true; }});
    EXPECT_FALSE(shown);
    EXPECT_EQ(boxes.Calls().back().title, "Error");
    EXPECT_EQ(boxes.Calls().back().text, "There are not enough text nodes for this dialog.\r\n\r\n"
                                         "To free up some slots use Edit Text and click 'Clear'.");
}

TEST_F(MessageEditorTest, ASecondMessageBeyondTheFamilyIsHiddenAndLeftAlone) {
    frmEditText2& editor = SharedForm<frmEditText2>();
    editor.Mess0 = 2;
    editor.Mess1 = 150; // town messages end at 149
    Scen.Towns[1].Strings[22] = "First";
    const auto before = Scen.Towns[1].Strings;
    OpenText<frmEditText2>(2, {.text2 = [](frmEditText2& t) {
                               EXPECT_FALSE(t.txtText[1]->isVisible());
                               Click(t.cmdOK);
                           }});
    EXPECT_EQ(editor.Mess0, 2);
    EXPECT_EQ(editor.Mess1, 150);
    EXPECT_EQ(Scen.Towns[1].Strings, before);
}

TEST_F(MessageEditorTest, SixLinesFillTheFirstFreeBlockOfSix) {
    frmEditText6& editor = SharedForm<frmEditText6>();
    editor.Mess0 = -1;
    OpenText<frmEditText6>(0, {.text6 = [](frmEditText6& t) {
                               EXPECT_EQ(t.lblTextNum->text(), "0");
                               QTest::keyClicks(t.txtText[0], "Line one");
                               QTest::keyClick(t.txtText[0],
                                               Qt::Key_Return); // a line break within the line
                               QTest::keyClicks(t.txtText[0], "more");
                               Click(t.cmdOK);
                           }});
    EXPECT_EQ(editor.Mess0, 0);
    EXPECT_EQ(Scen.ScenStrings[160], "Line one\r\nmore");
    for (int s = 161; s <= 165; ++s)
        EXPECT_EQ(Scen.ScenStrings[static_cast<std::size_t>(s)], "") << s;
    EXPECT_EQ(Scen.ScenStrings[166], "*");

    // Nothing typed: nothing is stored, and the opener's number comes back.
    editor.Mess0 = 10;
    Scen.ScenStrings[170] = "*kept";
    OpenText<frmEditText6>(0, {.text6 = [](frmEditText6& t) {
                               EXPECT_EQ(t.txtText[0]->ModelText(),
                                         ""); // a free slot shows as an empty line
                               Click(t.cmdOK);
                           }});
    EXPECT_EQ(editor.Mess0, 10);
    EXPECT_EQ(Scen.ScenStrings[170], "*kept");
}

TEST_F(MessageEditorTest, ABlockMustLieWithinTheFamilysMessages) {
    struct Case {
        std::int16_t first;
        const char* title; // empty: the block is edited
    };
    const Case cases[] = {{94, ""}, {95, "Warning"}, {100, "Error"}, {-1, "Warning"}};
    Scen.ScenStrings.fill("used");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        SharedForm<frmEditText6>().Mess0 = c.first;
        bool shown = false;
        MsgBoxRecorder local;
        OpenText<frmEditText6>(0, {.text6 = [&](frmEditText6& t) {
                                   shown = true;
                                   EXPECT_EQ(t.txtText[5]->ModelText(), "used"); // string 259
                                   Click(t.cmdCancel);
                               }});
        EXPECT_EQ(shown, std::string(c.title).empty());
        if (!shown) {
            ASSERT_EQ(local.Calls().size(), 1u);
            EXPECT_EQ(local.Calls()[0].title, c.title);
        }
    }
}
} // namespace
