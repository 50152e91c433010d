#include "dialogs/nodes/DialogueHarness.h"
#include "dialogs/nodes/SpotNodeNumberDialog.h"
#include "dialogs/nodes/frmEditShortText.h"
#include "dialogs/nodes/frmEditSign.h"
#include "dialogs/nodes/frmEditText.h"

#include "forms/MultiLineBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {
using StringEditorTest = DialogueTest;

// Replaces the box's text by typing, and stays in the box.
void Retype(QLineEdit* box, const char* text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// Types at the end of a multi-line box's text.
void Append(MultiLineBox* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

frmEditText& OpenText(std::int32_t type, std::int16_t number) {
    frmEditText& editor = SharedForm<frmEditText>();
    editor.TextType = type;
    editor.TextNum = number;
    return editor;
}

TEST_F(StringEditorTest, TextArrowsStoreTheShownTextAndWrapAtEachTablesEnd) {
    struct Case {
        std::int32_t type;
        std::string* strings;
        std::int16_t last;
    };
    const Case cases[] = {{0, Scen.ScenStrings.data(), 319},
                          {1, Scen.OutdoorSections.At(0, 0).Strings.data(), 107},
                          {2, Scen.Towns[1].Strings.data(), 189}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        c.strings[c.last] = "last";
        c.strings[0] = "first";
        OpenText(c.type, c.last);
        Open<frmEditText>([&](frmEditText& t) {
            EXPECT_EQ(t.lblTextNum->text(), QString::number(c.last));
            Append(t.txtText, "!");
            Click(t.cmdScrollRight);
            EXPECT_EQ(t.TextNum, 0);
            EXPECT_EQ(t.txtText->ModelText(), "first");
            EXPECT_TRUE(t.txtText->hasFocus());
            Click(t.cmdScrollLeft);
            EXPECT_EQ(t.TextNum, c.last);
            EXPECT_EQ(t.txtText->ModelText(), "last!");
            Click(t.cmdCancel);
        });
        EXPECT_EQ(c.strings[c.last], "last!");
        EXPECT_EQ(c.strings[0], "first"); // rewritten with its own text
    }
}

TEST_F(StringEditorTest, ClearFreesASlotOnlyWhenStored) {
    Scen.ScenStrings[170] = "A message";
    Scen.ScenStrings[171] = "*free";
    OpenText(0, 170);
    Open<frmEditText>([](frmEditText& t) {
        Click(t.cmdClear);
        EXPECT_EQ(t.txtText->ModelText(), "*");
        Click(t.cmdCancel);
    });
    EXPECT_EQ(Scen.ScenStrings[170], "A message");
    Open<frmEditText>([](frmEditText& t) {
        Click(t.cmdClear);
        Click(t.cmdOK);
    });
    EXPECT_EQ(Scen.ScenStrings[170], "*");
    OpenText(0, 171);
    Open<frmEditText>([](frmEditText& t) {
        EXPECT_EQ(t.txtText->ModelText(), "*free");
        Click(t.cmdCancel);
    });
}

TEST_F(StringEditorTest, TextsAreLimitedAsTypedButALongerStoredTextIsKeptWhole) {
    const std::string stored(300, 's');
    Scen.Towns[1].Strings[5] = stored;
    Scen.Towns[1].Strings[6] = "";
    OpenText(2, 5);
    Open<frmEditText>([](frmEditText& t) {
        Click(t.cmdScrollRight);
        QTest::keyClicks(t.txtText, QString(260, 'x'));
        Click(t.cmdScrollLeft);
        EXPECT_EQ(t.txtText->ModelText().size(), 300u);
        Click(t.cmdOK);
    });
    EXPECT_EQ(Scen.Towns[1].Strings[5], stored);
    EXPECT_EQ(Scen.Towns[1].Strings[6], std::string(255, 'x'));
}

TEST_F(StringEditorTest, ButtonLabelsClearToEmptyHoldThirtyCharactersAndWrap) {
    Scen.ScenStrings[319] = "Leave";
    Scen.ScenStrings[260] = "Enter";
    frmEditShortText& editor = SharedForm<frmEditShortText>();
    editor.Context = 0;
    editor.TextNum = 59;
    Open<frmEditShortText>([](frmEditShortText& t) {
        EXPECT_EQ(t.lblNumberCaption->text(), "Button Number:");
        EXPECT_EQ(t.txtText->ModelText(), "Leave");
        Click(t.cmdClear);
        Click(t.cmdScrollRight);
        EXPECT_EQ(t.lblTextNum->text(), "0");
        EXPECT_EQ(t.txtText->ModelText(), "Enter");
        t.txtText->selectAll();
        QTest::keyClicks(t.txtText, QString(40, 'b'));
        Click(t.cmdOK);
    });
    EXPECT_EQ(Scen.ScenStrings[319], "");
    EXPECT_EQ(Scen.ScenStrings[260], std::string(30, 'b'));

    // Any other context edits nothing.
    const Scenario before = Scen;
    editor.Context = 1;
    editor.TextNum = 4;
    Open<frmEditShortText>([](frmEditShortText& t) {
        EXPECT_EQ(t.lblTextNum->text(), "4");
        Click(t.cmdOK);
    });
    EXPECT_TRUE(Scen == before);
}

TEST_F(StringEditorTest, SignsEditTheirSlotOfTheTownOrSection) {
    struct Case {
        std::int16_t editMode;
        std::int16_t sign;
        std::string* slot; // nullptr: the sign has no text
    };
    const Case cases[] = {{kEditLargeTown, 3, &Scen.Towns[1].Strings[173]},
                          {kEditOutdoors, 3, &Scen.OutdoorSections.At(0, 0).Strings[103]},
                          {kEditOutdoors, 7, &Scen.OutdoorSections.At(0, 0).Strings[107]},
                          {kEditSmallTown, 19, &Scen.Towns[1].Strings[189]},
                          {kEditOutdoors, 9, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sign);
        Map.EditMode = c.editMode;
        if (c.slot) *c.slot = "Beware";
        const Scenario before = Scen;
        SharedForm<frmEditSign>().SignNum = c.sign;
        Open<frmEditSign>([&](frmEditSign& s) {
            EXPECT_EQ(s.lblSignNum->text(), QString::number(c.sign));
            EXPECT_EQ(s.txtSign->ModelText(), c.slot ? "Beware" : "");
            Append(s.txtSign, " of dogs");
            Click(s.cmdOK);
        });
        if (c.slot) EXPECT_EQ(*c.slot, "Beware of dogs");
        // Outdoor sign positions 8..15 have no text: nothing is read or written.
        else
            EXPECT_TRUE(Scen == before);
    }
    Map.EditMode = kEditSmallTown;
    SharedForm<frmEditSign>().SignNum = 3;
    Open<frmEditSign>([](frmEditSign& s) {
        Append(s.txtSign, "!");
        Click(s.cmdCancel);
    });
    EXPECT_EQ(Scen.Towns[1].Strings[173], "Beware of dogs");
}

// From the second opening on, the focus stayed on the button that had closed the editor, and
// text typed straight away was lost.
TEST_F(StringEditorTest, TextTypedStraightAwayReachesTheSignAtEveryOpening) {
    Map.EditMode = kEditSmallTown;
    SharedForm<frmEditSign>().SignNum = 3;
    for (const char* typed : {"Inn", "Bar"}) {
        Scen.Towns[1].Strings[173] = "";
        Open<frmEditSign>([typed](frmEditSign& s) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            QTest::keyClicks(focused, typed);
            EXPECT_EQ(s.txtSign->ModelText(), typed);
            Click(s.cmdCancel);
        });
    }
}

TEST_F(StringEditorTest, SpecialSpotNumbersAreCheckedAgainstTheAreasNodes) {
    Scen.Towns[1].SpecialSpots = {{-1, 4, 4}, {12, 5, 5}};
    Scen.OutdoorSections.At(0, 0).SpecialSpots = {{7, 1, 1}};
    struct Case {
        std::int16_t editMode;
        std::int16_t spot;
        const char* shown;
        const char* rejected; // typed first: the validator refuses it
        const char* accepted;
        std::int16_t stored;
    };
    const Case cases[] = {
        {kEditSmallTown, 0, "0", "100", "99", 99},
        {kEditSmallTown, 1, "12", "-1", "", 0},
        {kEditOutdoors, 0, "7", "60", "59", 59},
        {kEditOutdoors, 0, "59", "-1", "3", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rejected);
        Map.EditMode = c.editMode;
        SharedForm<frmSetSpecial>().Special = c.spot;
        const std::size_t before = boxes.Calls().size();
        Open<frmSetSpecial>([&](frmSetSpecial& s) {
            EXPECT_EQ(s.txtSpecNum->text(), c.shown);
            Retype(s.txtSpecNum, c.rejected);
            ASSERT_GT(boxes.Calls().size(), before);
            EXPECT_EQ(boxes.Calls().back().text, std::string("Value must be between 0 and ") +
                                                     (c.editMode == kEditOutdoors ? "59." : "99."));
            PressEnter(s.txtSpecNum);
            EXPECT_TRUE(s.isVisible()); // the rejected text stays until corrected
            EXPECT_EQ(s.txtSpecNum->text(), c.rejected);
            Retype(s.txtSpecNum, c.accepted);
            PressEnter(s.txtSpecNum);
            EXPECT_FALSE(s.isVisible());
        });
        const auto& spots = c.editMode == kEditOutdoors ? Scen.OutdoorSections.At(0, 0).SpecialSpots
                                                        : Scen.Towns[1].SpecialSpots;
        EXPECT_EQ(spots[static_cast<std::size_t>(c.spot)].Node, c.stored);
    }
}

// Leaving the box once put the last good number back, and a click on OK then stored it.
TEST_F(StringEditorTest, ASpotNumberRejectedThenLeftIsNotStoredByAClickOnOk) {
    Map.EditMode = kEditSmallTown;
    Scen.Towns[1].SpecialSpots = {{-1, 4, 4}};
    SharedForm<frmSetSpecial>().Special = 0;
    Open<frmSetSpecial>([](frmSetSpecial& s) {
        EXPECT_EQ(s.txtSpecNum->text(), "0"); // a free spot
        TypeInto(s.txtSpecNum, "5");
        TypeInto(s.txtSpecNum, "500");
        EXPECT_EQ(s.txtSpecNum->text(), "500");
        Click(s.cmdOK);
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(s.txtSpecNum->text(), "500");
        Click(s.cmdCancel);
    });
    EXPECT_EQ(Scen.Towns[1].SpecialSpots[0].Node, -1);
}
} // namespace
