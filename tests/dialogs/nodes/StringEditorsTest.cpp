#include "dialogs/nodes/NodeWindows.h"
#include "dialogs/nodes/SpotNodeNumberDialog.h"
#include "dialogs/nodes/frmEditShortText.h"
#include "dialogs/nodes/frmEditSign.h"
#include "dialogs/nodes/frmEditText.h"
#include "forms/MultiLineBox.h"

#include <QApplication>

namespace {
using StringEditorTest = NodeWindowTest;

// Types at the end of a multi-line box's text.
void Append(MultiLineBox* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

void EditText(std::int32_t type, std::int16_t number, std::function<void(frmEditText&)> act) {
    OpenDialog<frmEditText>(
        [=](frmEditText& t) {
            t.TextType = type;
            t.TextNum = number;
        },
        std::move(act));
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
        EditText(c.type, c.last, [&](frmEditText& t) {
            EXPECT_EQ(t.lblTextNum->text(), QString::number(c.last));
            Append(t.txtText, "!");
            Click(t.cmdScrollRight);
            EXPECT_EQ(std::to_string(t.TextNum) + t.txtText->ModelText(), "0first");
            EXPECT_TRUE(t.txtText->hasFocus());
            Click(t.cmdScrollLeft);
            EXPECT_EQ(std::to_string(t.TextNum) + t.txtText->ModelText(),
                      std::to_string(c.last) + "last!");
            Click(t.cmdCancel);
        });
        EXPECT_EQ(c.strings[c.last] + "|" + c.strings[0], "last!|first"); // 0 kept as it was
    }
}

// Clear frees a slot only when stored; a free slot's text shows as stored.
TEST_F(StringEditorTest, ClearFreesASlotOnlyWhenStoredAndTypingIsLimited) {
    Scen.ScenStrings[170] = "A message";
    Scen.ScenStrings[171] = "*free";
    for (const bool ok : {false, true}) {
        EditText(0, 171, [ok](frmEditText& t) {
            EXPECT_EQ(t.txtText->ModelText(), "*free");
            Click(t.cmdScrollLeft);
            Click(t.cmdClear);
            EXPECT_EQ(t.txtText->ModelText(), "*");
            Click(ok ? t.cmdOK : t.cmdCancel);
        });
        EXPECT_EQ(Scen.ScenStrings[170], ok ? "*" : "A message");
    }

    // Texts are limited as typed, but a longer stored text is kept whole.
    const std::string stored(300, 's');
    Scen.Towns[1].Strings[5] = stored;
    Scen.Towns[1].Strings[6] = "";
    EditText(2, 5, [](frmEditText& t) {
        Click(t.cmdScrollRight);
        QTest::keyClicks(t.txtText, QString(260, 'x'));
        Click(t.cmdScrollLeft);
        EXPECT_EQ(t.txtText->ModelText().size(), 300u);
        Click(t.cmdOK);
    });
    EXPECT_EQ(Scen.Towns[1].Strings[5] + "|" + Scen.Towns[1].Strings[6],
              stored + "|" + std::string(255, 'x'));
}

// Button labels clear to empty, hold thirty characters and wrap; any other context edits nothing.
TEST_F(StringEditorTest, ButtonLabelsClearToEmptyHoldThirtyCharactersAndWrap) {
    Scen.ScenStrings[319] = "Leave";
    Scen.ScenStrings[260] = "Enter";
    const auto at = [](std::int16_t context, std::int16_t number) {
        return [=](frmEditShortText& t) {
            t.Context = context;
            t.TextNum = number;
        };
    };
    OpenDialog<frmEditShortText>(at(0, 59), [](frmEditShortText& t) {
        EXPECT_EQ(t.lblNumberCaption->text() + t.txtText->ModelText().c_str(),
                  "Button Number:Leave");
        Click(t.cmdClear);
        Click(t.cmdScrollRight);
        EXPECT_EQ(t.lblTextNum->text() + " " + t.txtText->ModelText().c_str(), "0 Enter");
        t.txtText->selectAll();
        QTest::keyClicks(t.txtText, QString(40, 'b'));
        Click(t.cmdOK);
    });
    EXPECT_EQ(Scen.ScenStrings[319] + "|" + Scen.ScenStrings[260], "|" + std::string(30, 'b'));
    const Scenario before = Scen;
    OpenDialog<frmEditShortText>(at(1, 4), [](frmEditShortText& t) {
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
        bool ok = true;
    };
    const Case cases[] = {{kEditLargeTown, 3, &Scen.Towns[1].Strings[173]},
                          {kEditOutdoors, 3, &Scen.OutdoorSections.At(0, 0).Strings[103]},
                          {kEditOutdoors, 7, &Scen.OutdoorSections.At(0, 0).Strings[107]},
                          {kEditSmallTown, 19, &Scen.Towns[1].Strings[189]},
                          {kEditOutdoors, 9, nullptr}, // positions 8..15 have no text
                          {kEditSmallTown, 3, &Scen.Towns[1].Strings[173], false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sign);
        Map.EditMode = c.editMode;
        if (c.slot) *c.slot = "Beware";
        const Scenario before = Scen;
        // Typed straight away: from the second opening on, the focus once stayed on the button
        // that had closed the editor, and the text was lost.
        OpenDialog<frmEditSign>([&](frmEditSign& s) { s.SignNum = c.sign; },
                                [&](frmEditSign& s) {
                                    EXPECT_EQ(s.lblSignNum->text(), QString::number(c.sign));
                                    QWidget* focused = QApplication::focusWidget();
                                    QTest::keyClick(focused, Qt::Key_End, Qt::ControlModifier);
                                    QTest::keyClicks(focused, " of dogs");
                                    EXPECT_EQ(s.txtSign->ModelText(),
                                              c.slot ? "Beware of dogs" : "");
                                    Click(c.ok ? s.cmdOK : s.cmdCancel);
                                });
        if (c.slot && c.ok)
            EXPECT_EQ(*c.slot, "Beware of dogs");
        else
            EXPECT_TRUE(Scen == before);
    }
}

// A rejected number stays until corrected, and OK does not store it: leaving the box once
// put the last good number back, and a click on OK then stored it.
TEST_F(StringEditorTest, SpecialSpotNumbersAreCheckedAgainstTheAreasNodes) {
    Scen.Towns[1].SpecialSpots = {{-1, 4, 4}, {12, 5, 5}};
    Scen.OutdoorSections.At(0, 0).SpecialSpots = {{7, 1, 1}};
    struct Case {
        std::int16_t editMode, spot;
        const char* shown;
        const char* rejected; // typed after "5": the validator refuses it
        const char* accepted; // nullptr: Cancel
        std::int16_t stored;
    };
    const Case cases[] = {
        {kEditSmallTown, 0, "0", "100", "99", 99},     {kEditSmallTown, 1, "12", "-1", "", 0},
        {kEditOutdoors, 0, "7", "60", "59", 59},       {kEditOutdoors, 0, "59", "-1", "3", 3},
        {kEditSmallTown, 0, "99", "500", nullptr, 99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rejected);
        Map.EditMode = c.editMode;
        const std::size_t before = boxes.Calls().size();
        OpenDialog<frmSetSpecial>([&](frmSetSpecial& s) { s.Special = c.spot; },
                                  [&](frmSetSpecial& s) {
                                      EXPECT_EQ(s.txtSpecNum->text(), c.shown);
                                      TypeInto(s.txtSpecNum, "5");
                                      TypeInto(s.txtSpecNum, c.rejected);
                                      ASSERT_GT(boxes.Calls().size(), before);
                                      EXPECT_EQ(boxes.Calls().back().text,
                                                std::string("Value must be between 0 and ") +
                                                    (c.editMode == kEditOutdoors ? "59." : "99."));
                                      Enter(s.txtSpecNum, c.rejected);
                                      Click(s.cmdOK);
                                      EXPECT_EQ(s.isVisible() ? s.txtSpecNum->text() : "closed",
                                                c.rejected);
                                      if (!c.accepted) return Click(s.cmdCancel);
                                      Enter(s.txtSpecNum, c.accepted);
                                      EXPECT_FALSE(s.isVisible());
                                  });
        const auto& spots = c.editMode == kEditOutdoors ? Scen.OutdoorSections.At(0, 0).SpecialSpots
                                                        : Scen.Towns[1].SpecialSpots;
        EXPECT_EQ(spots[static_cast<std::size_t>(c.spot)].Node, c.stored);
    }
}
} // namespace
