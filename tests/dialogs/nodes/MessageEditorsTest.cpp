#include "dialogs/nodes/NodeWindows.h"
#include "dialogs/nodes/frmEditText2.h"
#include "dialogs/nodes/frmEditText6.h"
#include "forms/MultiLineBox.h"

namespace {
class MessageEditorTest : public NodeWindowTest {
  protected:
    // A message editor opened as the node editor opens it, for the family given, on the
    // messages passed.
    template <class Editor>
    static Editor& OpenText(std::int32_t family, std::int16_t mess0, std::int16_t mess1,
                            std::function<void(Editor&)> act) {
        SharedForm<frmEditSpNode>().NodeSet = family;
        const auto pass = [=](Editor& t) {
            t.Mess0 = mess0;
            if constexpr (std::is_same_v<Editor, frmEditText2>) t.Mess1 = mess1;
        };
        if (!act) return NotOpened<Editor>(pass);
        return OpenDialog<Editor>(pass, std::move(act));
    }
};

TEST_F(MessageEditorTest, TwoMessagesTakeFreeSlotsAboveAPassedFirstWithinTheFamily) {
    frmEditText2& editor = OpenText<frmEditText2>(2, -1, -1, [](frmEditText2& t) {
        EXPECT_EQ(t.lblTextNum->text(), " 0");
        QTest::keyClicks(t.txtText[1], "Only the second");
        Click(t.cmdOK);
    });
    EXPECT_EQ(Ints(editor.Mess0, editor.Mess1), Ints(-1, 1));
    EXPECT_EQ(Scen.Towns[1].Strings[20] + "|" + Scen.Towns[1].Strings[21], "*|Only the second");

    Scen.ScenStrings[165] = "*old text";
    OpenText<frmEditText2>(0, 5, -1, [](frmEditText2& t) {
        EXPECT_EQ(t.txtText[0]->ModelText(), "*old text"); // a passed message shows as stored
        t.txtText[0]->clear();                             // emptied: the node loses it
        QTest::keyClicks(t.txtText[1], "Above");
        Click(t.cmdOK);
    });
    EXPECT_EQ(Ints(editor.Mess0, editor.Mess1), Ints(-1, 6));
    // The old text stays in the table.
    EXPECT_EQ(Scen.ScenStrings[165] + "|" + Scen.ScenStrings[166], "*old text|Above");

    // A second message beyond the family is hidden and left alone.
    Scen.Towns[1].Strings[22] = "First";
    const auto before = Scen.Towns[1].Strings;
    OpenText<frmEditText2>(2, 2, 150, [](frmEditText2& t) {
        EXPECT_FALSE(t.txtText[1]->isVisible()); // town messages end at 149
        Click(t.cmdOK);
    });
    EXPECT_EQ(Ints(editor.Mess0, editor.Mess1), Ints(2, 150));
    EXPECT_EQ(Scen.Towns[1].Strings, before);
}

TEST_F(MessageEditorTest, OneFreeSlotServesTheFirstMessageAndNoneClosesTheEditor) {
    Scen.Towns[1].Strings.fill("used");
    Scen.Towns[1].Strings[60] = "*";
    frmEditText2& editor = OpenText<frmEditText2>(2, -1, -1, [this](frmEditText2& t) {
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"No more text fields available.\r\n\r\n"
                                                          "You may have to clear some."});
        EXPECT_EQ(Ints(t.txtText[0]->isVisible(), t.txtText[1]->isVisible()), Ints(true, false));
        QTest::keyClicks(t.txtText[0], "Last one");
        Click(t.cmdOK);
    });
    EXPECT_EQ(Ints(editor.Mess0, editor.Mess1), Ints(40, -1));

    OpenText<frmEditText2>(2, -1, -1, {});
    EXPECT_EQ(boxes.Calls().back().title, "Error");
    EXPECT_EQ(boxes.Calls().back().text, "There are not enough text nodes for this dialog.\r\n\r\n"
                                         "To free up some slots use Edit Text and click 'Clear'.");
}

TEST_F(MessageEditorTest, SixLinesFillTheFirstFreeBlockOfSix) {
    frmEditText6& editor = OpenText<frmEditText6>(0, -1, 0, [](frmEditText6& t) {
        EXPECT_EQ(t.lblTextNum->text(), "0");
        QTest::keyClicks(t.txtText[0], "Line one");
        QTest::keyClick(t.txtText[0], Qt::Key_Return); // a line break within the line
        QTest::keyClicks(t.txtText[0], "more");
        Click(t.cmdOK);
    });
    EXPECT_EQ(editor.Mess0, 0);
    const std::vector<std::string> block(Scen.ScenStrings.begin() + 160,
                                         Scen.ScenStrings.begin() + 167);
    EXPECT_EQ(block, (std::vector<std::string>{"Line one\r\nmore", "", "", "", "", "", "*"}));

    // Nothing typed: nothing is stored, and the opener's number comes back.
    Scen.ScenStrings[170] = "*kept";
    OpenText<frmEditText6>(0, 10, 0, [](frmEditText6& t) {
        EXPECT_EQ(t.txtText[0]->ModelText(), ""); // a free slot shows as an empty line
        Click(t.cmdOK);
    });
    EXPECT_EQ(editor.Mess0, 10);
    EXPECT_EQ(Scen.ScenStrings[170], "*kept");
}

TEST_F(MessageEditorTest, ABlockMustLieWithinTheFamilysMessages) {
    Scen.ScenStrings.fill("used");
    OpenText<frmEditText6>(0, 94, 0, [](frmEditText6& t) {
        EXPECT_EQ(t.txtText[5]->ModelText(), "used"); // string 259
        Click(t.cmdCancel);
    });
    for (const std::int16_t first : {95, 100, -1})
        OpenText<frmEditText6>(0, first, 0, {});
    ASSERT_EQ(boxes.Calls().size(), 3u);
    EXPECT_EQ(boxes.Calls()[0].title + boxes.Calls()[1].title + boxes.Calls()[2].title,
              "WarningErrorWarning");
}
} // namespace
