#include "dialogs/nodes/NodeWindows.h"
#include "dialogs/nodes/SpotNodeNumberDialog.h"
#include "dialogs/nodes/frmEditShortText.h"
#include "dialogs/nodes/frmEditSign.h"
#include "dialogs/nodes/frmEditText.h"
#include "dialogs/nodes/frmEditText2.h"
#include "dialogs/nodes/frmEditText6.h"
#include "forms/MultiLineBox.h"

namespace {
class StringEditorTest : public NodeWindowTest {
  protected:
    // A message editor opened as the node editor opens it, for the family given, on the
    // messages passed; no action: it must not open.
    template <class Editor>
    static Editor& OpenText(std::int32_t family, std::int16_t mess0, std::int16_t mess1,
                            std::function<void(Editor&)> act) {
        SharedForm<frmEditSpNode>().NodeSet = family;
        const auto pass = [=](Editor& t) {
            t.Mess0 = mess0;
            if constexpr (std::is_same_v<Editor, frmEditText2>) t.Mess1 = mess1;
        };
        return act ? OpenDialog<Editor>(pass, std::move(act)) : NotOpened<Editor>(pass);
    }
    static void EditText(std::int32_t type, std::int16_t number,
                         std::function<void(frmEditText&)> act) {
        OpenDialog<frmEditText>([=](frmEditText& t) { t.TextType = type, t.TextNum = number; },
                                std::move(act));
    }
};

// Types at the end of a multi-line box's text.
void Append(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

TEST_F(StringEditorTest, TwoMessagesTakeFreeSlotsAboveAPassedFirstWithinTheFamily) {
    auto& town = Scen.Towns[1].Strings;
    frmEditText2& editor = OpenText<frmEditText2>(2, -1, -1, [](frmEditText2& t) {
        EXPECT_EQ(t.lblTextNum->text(), " 0");
        QTest::keyClicks(t.txtText[1], "Only the second");
        Click(t.cmdOK);
    });
    EXPECT_EQ(Ints(editor.Mess0, editor.Mess1), Ints(-1, 1));
    EXPECT_EQ(town[20] + "|" + town[21], "*|Only the second");

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
    town[22] = "First";
    const auto before = town;
    OpenText<frmEditText2>(2, 2, 150, [](frmEditText2& t) {
        EXPECT_FALSE(t.txtText[1]->isVisible()); // town messages end at 149
        Click(t.cmdOK);
    });
    EXPECT_EQ(Ints(editor.Mess0, editor.Mess1), Ints(2, 150));
    EXPECT_EQ(town, before);

    // One free slot serves the first message, and none closes the editor.
    Scen.Towns[1].Strings.fill("used");
    Scen.Towns[1].Strings[60] = "*";
    OpenText<frmEditText2>(2, -1, -1, [](frmEditText2& t) {
        EXPECT_FALSE(t.txtText[1]->isVisible());
        QTest::keyClicks(t.txtText[0], "Last one");
        Click(t.cmdOK);
    });
    EXPECT_EQ(Ints(editor.Mess0, editor.Mess1), Ints(40, -1));
    OpenText<frmEditText2>(2, -1, -1, {});
    // The first came with the second message beyond the family.
    const std::string full = "No more text fields available.\r\n\r\nYou may have to clear some.";
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{full, full,
                                        "There are not enough text nodes for this dialog.\r\n\r\n"
                                        "To free up some slots use Edit Text and click 'Clear'."}));
    EXPECT_EQ(boxes.Calls().back().title, "Error");
}

// A block must lie within the family's messages; nothing typed stores nothing, and the opener's
// number comes back.
TEST_F(StringEditorTest, SixLinesFillTheFirstFreeBlockOfSixWithinTheFamily) {
    frmEditText6& editor = OpenText<frmEditText6>(0, -1, 0, [](frmEditText6& t) {
        EXPECT_EQ(t.lblTextNum->text(), "0");
        QTest::keyClicks(t.txtText[0], "Line one");
        QTest::keyClick(t.txtText[0], Qt::Key_Return); // a line break within the line
        QTest::keyClicks(t.txtText[0], "more");
        Click(t.cmdOK);
    });
    EXPECT_EQ(editor.Mess0, 0);
    EXPECT_EQ(std::vector(Scen.ScenStrings.begin() + 160, Scen.ScenStrings.begin() + 167),
              (std::vector<std::string>{"Line one\r\nmore", "", "", "", "", "", "*"}));
    Scen.ScenStrings[170] = "*kept";
    OpenText<frmEditText6>(0, 10, 0, [](frmEditText6& t) {
        EXPECT_EQ(t.txtText[0]->ModelText(), ""); // a free slot shows as an empty line
        Click(t.cmdOK);
    });
    EXPECT_EQ(editor.Mess0, 10);
    EXPECT_EQ(Scen.ScenStrings[170], "*kept");

    Scen.ScenStrings.fill("used");
    OpenText<frmEditText6>(0, 94, 0, [](frmEditText6& t) {
        EXPECT_EQ(t.txtText[5]->ModelText(), "used"); // string 259
        Click(t.cmdCancel);
    });
    for (const std::int16_t first : {95, 100, -1})
        OpenText<frmEditText6>(0, first, 0, {});
    std::string titles;
    for (const MsgBoxCall& call : boxes.Calls())
        titles += call.title + " ";
    EXPECT_EQ(titles, "Warning Error Warning ");
}

TEST_F(StringEditorTest, TextArrowsWrapAtEachTablesEndClearFreesAndTypingIsLimited) {
    const std::tuple<std::int32_t, std::string*, std::int16_t> cases[] = {
        {0, Scen.ScenStrings.data(), 319},
        {1, Scen.OutdoorSections.At(0, 0).Strings.data(), 107},
        {2, Scen.Towns[1].Strings.data(), 189}};
    for (const auto& [type, strings, last] : cases) {
        SCOPED_TRACE(last);
        strings[last] = "last";
        strings[0] = "first";
        EditText(type, last, [last = last](frmEditText& t) {
            EXPECT_EQ(t.lblTextNum->text(), QString::number(last));
            Append(t.txtText, "!");
            Click(t.cmdScrollRight);
            EXPECT_EQ(std::to_string(t.TextNum) + t.txtText->ModelText(), "0first");
            EXPECT_TRUE(t.txtText->hasFocus());
            Click(t.cmdScrollLeft);
            EXPECT_EQ(std::to_string(t.TextNum) + t.txtText->ModelText(),
                      std::to_string(last) + "last!");
            Click(t.cmdCancel);
        });
        EXPECT_EQ(strings[last] + "|" + strings[0], "last!|first"); // 0 kept as it was
    }

    // Clear frees a slot only when stored; a free slot's text shows as stored. Texts are
    // limited as typed, but a longer stored text is kept whole.
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
        return [=](frmEditShortText& t) { t.Context = context, t.TextNum = number; };
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
    auto& town = Scen.Towns[1].Strings;
    auto& section = Scen.OutdoorSections.At(0, 0).Strings;
    // Edit mode, sign, its slot (nullptr: the sign has no text), and whether OK closes it.
    const std::tuple<std::int16_t, std::int16_t, std::string*, bool> cases[] = {
        {kEditLargeTown, 3, &town[173], true},   {kEditOutdoors, 3, &section[103], true},
        {kEditOutdoors, 7, &section[107], true}, {kEditSmallTown, 19, &town[189], true},
        {kEditOutdoors, 9, nullptr, true}, // positions 8..15 have no text
        {kEditSmallTown, 3, &town[173], false}};
    for (const auto& [mode, sign, slot, ok] : cases) {
        SCOPED_TRACE(sign);
        Map.EditMode = mode;
        if (slot) *slot = "Beware";
        const Scenario before = Scen;
        const bool close = ok;
        std::string seen;
        // Typed straight away: from the second opening on, the focus once stayed on the button
        // that had closed the editor, and the text was lost.
        const auto type = [&seen, close](frmEditSign& s) {
            Append(QApplication::focusWidget(), " of dogs");
            seen = s.lblSignNum->text().toStdString() + " " + s.txtSign->ModelText();
            Click(close ? s.cmdOK : s.cmdCancel);
        };
        OpenDialog<frmEditSign>([number = sign](frmEditSign& s) { s.SignNum = number; }, type);
        EXPECT_EQ(seen, std::to_string(sign) + (slot ? " Beware of dogs" : " "));
        EXPECT_TRUE(slot && ok ? *slot == "Beware of dogs" : Scen == before);
    }
}

// A rejected number stays until corrected, and OK does not store it: leaving the box once
// put the last good number back, and a click on OK then stored it.
TEST_F(StringEditorTest, SpecialSpotNumbersAreCheckedAgainstTheAreasNodes) {
    Scen.Towns[1].SpecialSpots = {{-1, 4, 4}, {12, 5, 5}};
    Scen.OutdoorSections.At(0, 0).SpecialSpots = {{7, 1, 1}};
    // Edit mode, spot, the node stored, the number shown, one rejected (typed after "5": the
    // validator refuses it) and one accepted (nullptr: Cancel).
    struct Case {
        std::int16_t editMode, spot, stored;
        const char *shown, *rejected, *accepted;
    };
    const Case cases[] = {{kEditSmallTown, 0, 99, "0", "100", "99"},
                          {kEditSmallTown, 1, 0, "12", "-1", ""},
                          {kEditOutdoors, 0, 59, "7", "60", "59"},
                          {kEditOutdoors, 0, 3, "59", "-1", "3"},
                          {kEditSmallTown, 0, 99, "99", "500", nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rejected);
        Map.EditMode = c.editMode;
        const bool outdoors = c.editMode == kEditOutdoors;
        const std::size_t before = boxes.Calls().size();
        OpenDialog<frmSetSpecial>(
            [&](frmSetSpecial& s) { s.Special = c.spot; },
            [&](frmSetSpecial& s) {
                EXPECT_EQ(s.txtSpecNum->text(), c.shown);
                TypeInto(s.txtSpecNum, "5");
                TypeInto(s.txtSpecNum, c.rejected);
                ASSERT_GT(boxes.Calls().size(), before);
                EXPECT_EQ(boxes.Calls().back().text, outdoors ? "Value must be between 0 and 59."
                                                              : "Value must be between 0 and 99.");
                Enter(s.txtSpecNum, c.rejected);
                Click(s.cmdOK);
                EXPECT_EQ(s.isVisible() ? s.txtSpecNum->text() : "closed", c.rejected);
                if (!c.accepted) return Click(s.cmdCancel);
                Enter(s.txtSpecNum, c.accepted);
                EXPECT_FALSE(s.isVisible());
            });
        const auto& spots =
            outdoors ? Scen.OutdoorSections.At(0, 0).SpecialSpots : Scen.Towns[1].SpecialSpots;
        EXPECT_EQ(spots[static_cast<std::size_t>(c.spot)].Node, c.stored);
    }
}
} // namespace
