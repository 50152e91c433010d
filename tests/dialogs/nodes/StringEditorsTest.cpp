#include "dialogs/nodes/NodeWindows.h"
#include "dialogs/nodes/SpotNodeNumberDialog.h"
#include "dialogs/nodes/frmEditShortText.h"
#include "dialogs/nodes/frmEditSign.h"
#include "dialogs/nodes/frmEditText.h"
#include "dialogs/nodes/frmEditText2.h"
#include "dialogs/nodes/frmEditText6.h"

namespace {
// Plays the script on a text window: t0..t5 its boxes ("text" the only one), "num" the number
// shown, "<", ">", "clear", "ok" and "cancel"; "?" notes whether the window is open.
template <class Editor> QString Play(Editor& t, const QString& script) {
    Controls c{{"ok", t.cmdOK}, {"cancel", t.cmdCancel}};
    if constexpr (requires { t.txtText.size(); }) Name(c, "t", t.txtText);
    if constexpr (requires { t.cmdClear; }) {
        c.insert({{"text", t.txtText}, {"<", t.cmdScrollLeft}, {">", t.cmdScrollRight}});
        c.insert({{"clear", t.cmdClear}, {"caption", t.lblNumberCaption}});
    }
    if constexpr (requires { t.lblTextNum; }) c["num"] = t.lblTextNum;
    if constexpr (requires { t.txtSign; }) c.insert({{"text", t.txtSign}, {"num", t.lblSignNum}});
    if constexpr (requires { t.txtSpecNum; }) c["num"] = t.txtSpecNum;
    return Play(
        c, [&t] { return QString(t.isVisible() ? "open" : "closed"); }, script);
}

// Opens the shared Form as its opener does, after setup, plays the script on it and gives the
// notes.
template <class Form>
QString Session(const std::function<void(Form&)>& setup, const QString& script) {
    QString seen;
    OpenDialog<Form>(setup, [&](Form& f) { seen = Play(f, script); });
    return seen;
}

class StringEditorTest : public NodeWindowTest {
  protected:
    // A message editor opened as the node editor opens it, for the family given, on the
    // messages passed; it plays the script and OK. No script: it must not open. Gives the
    // script's notes and the messages the editor hands back.
    template <class Editor>
    static QString OpenText(std::int32_t family, std::int16_t mess0, std::int16_t mess1,
                            const QString& script) {
        SharedForm<frmEditSpNode>().NodeSet = family;
        const auto pass = [=](Editor& t) {
            t.Mess0 = mess0;
            if constexpr (std::is_same_v<Editor, frmEditText2>) t.Mess1 = mess1;
        };
        QString seen;
        const auto play = [&seen, &script](Editor& t) { seen = Play(t, script + " ok"); };
        Editor& e = script.isEmpty() ? NotOpened<Editor>(pass) : OpenDialog<Editor>(pass, play);
        if constexpr (std::is_same_v<Editor, frmEditText2>) seen += QString(" %1").arg(e.Mess1);
        return seen + QString(" %1").arg(e.Mess0);
    }
    // The text window on a string of the table given; it plays the script.
    static QString EditText(std::int32_t type, std::int16_t number, const QString& script) {
        return Session<frmEditText>([=](frmEditText& t) { t.TextType = type, t.TextNum = number; },
                                    script);
    }
};

// A passed message shows as stored; emptied, the node loses it but the table keeps the text. A
// second message beyond the family is hidden and left alone. One free slot serves the first
// message, and none closes the editor.
TEST_F(StringEditorTest, TwoMessagesTakeFreeSlotsAboveAPassedFirstWithinTheFamily) {
    auto& town = Scen.Towns[1].Strings;
    EXPECT_EQ(OpenText<frmEditText2>(2, -1, -1, "?num t1+Only_the_second"), " 0 1 -1");
    EXPECT_EQ(town[20] + "|" + town[21], "*|Only the second");
    Scen.ScenStrings[165] = "*old text";
    EXPECT_EQ(OpenText<frmEditText2>(0, 5, -1, "?t0 t0= t1+Above"), "*old text 6 -1");
    EXPECT_EQ(Scen.ScenStrings[165] + "|" + Scen.ScenStrings[166], "*old text|Above");
    town[22] = "First";
    const auto before = town;
    EXPECT_EQ(OpenText<frmEditText2>(2, 2, 150, "?t1"), "hidden 150 2"); // ends at 149
    EXPECT_EQ(town, before);
    town.fill("used");
    town[60] = "*";
    EXPECT_EQ(OpenText<frmEditText2>(2, -1, -1, "?t1 t0+Last ?t0"), "hidden|Last -1 40");
    EXPECT_EQ(OpenText<frmEditText2>(2, -1, -1, ""), " -1 -1");
    // The first came with the second message beyond the family.
    const std::string full = "No more text fields available.\r\n\r\nYou may have to clear some.";
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{full, full,
                                        "There are not enough text nodes for this dialog.\r\n\r\n"
                                        "To free up some slots use Edit Text and click 'Clear'."}));
    EXPECT_EQ(boxes.Calls().back().title, "Error");
}

// A block must lie within the family's messages; nothing typed stores nothing, and the opener's
// number comes back. A free slot shows as an empty line.
TEST_F(StringEditorTest, SixLinesFillTheFirstFreeBlockOfSixWithinTheFamily) {
    EXPECT_EQ(OpenText<frmEditText6>(0, -1, 0, "?num t0+Line_one t0+\r t0+more"), "0 0");
    EXPECT_EQ(std::vector(Scen.ScenStrings.begin() + 160, Scen.ScenStrings.begin() + 167),
              (std::vector<std::string>{"Line one\r\nmore", "", "", "", "", "", "*"}));
    Scen.ScenStrings[170] = "*kept";
    EXPECT_EQ(OpenText<frmEditText6>(0, 10, 0, "?t0"), " 10");
    EXPECT_EQ(Scen.ScenStrings[170], "*kept");
    Scen.ScenStrings.fill("used");
    EXPECT_EQ(OpenText<frmEditText6>(0, 94, 0, "?t5"), "used 94"); // string 259
    for (const std::int16_t first : {95, 100, -1})
        EXPECT_EQ(OpenText<frmEditText6>(0, first, 0, ""), QString(" %1").arg(first));
    std::string titles;
    for (const MsgBoxCall& call : boxes.Calls())
        titles += call.title + " ";
    EXPECT_EQ(titles, "Warning Error Warning ");
}

// Clear frees a slot only when stored; a free slot's text shows as stored. Texts are limited
// as typed, but a longer stored text is kept whole.
TEST_F(StringEditorTest, TextArrowsWrapAtEachTablesEndClearFreesAndTypingIsLimited) {
    const std::tuple<std::int32_t, std::string*, std::int16_t> cases[] = {
        {0, Scen.ScenStrings.data(), 319},
        {1, Scen.OutdoorSections.At(0, 0).Strings.data(), 107},
        {2, Scen.Towns[1].Strings.data(), 189}};
    for (const auto& [type, strings, last] : cases) {
        SCOPED_TRACE(last);
        strings[last] = "last";
        strings[0] = "first";
        const QString n = QString::number(last);
        EXPECT_EQ(EditText(type, last, "?num text+! > ?focus ?num < ?num ?text cancel"),
                  n + "|first|0|" + n + "|last!");
        EXPECT_EQ(strings[last] + "|" + strings[0], "last!|first"); // 0 kept as it was
    }
    Scen.ScenStrings[170] = "A message";
    Scen.ScenStrings[171] = "*free";
    for (const char* out : {"cancel", "ok"}) {
        EXPECT_EQ(EditText(0, 171, QString("?text < clear ?text ") + out), "*free|*");
        EXPECT_EQ(Scen.ScenStrings[170], out[0] == 'o' ? "*" : "A message");
    }
    const std::string stored(300, 's');
    Scen.Towns[1].Strings[5] = stored;
    Scen.Towns[1].Strings[6] = "";
    EXPECT_EQ(EditText(2, 5, "> text+" + QString(260, 'x') + " < ?text ok").size(), 300);
    EXPECT_EQ(Scen.Towns[1].Strings[5] + "|" + Scen.Towns[1].Strings[6],
              stored + "|" + std::string(255, 'x'));
}

// Button labels clear to empty, hold thirty characters and wrap; any other context edits nothing.
TEST_F(StringEditorTest, ButtonLabelsClearToEmptyHoldThirtyCharactersAndWrap) {
    Scen.ScenStrings[319] = "Leave";
    Scen.ScenStrings[260] = "Enter";
    const auto label = [](std::int16_t context, std::int16_t number, const QString& script) {
        const auto at = [=](frmEditShortText& t) { t.Context = context, t.TextNum = number; };
        return Session<frmEditShortText>(at, script);
    };
    EXPECT_EQ(label(0, 59, "?caption ?text clear > ?num ?text text=" + QString(40, 'b') + " ok"),
              "Button Number:|Leave|0|Enter");
    EXPECT_EQ(Scen.ScenStrings[319] + "|" + Scen.ScenStrings[260], "|" + std::string(30, 'b'));
    const Scenario before = Scen;
    EXPECT_EQ(label(1, 4, "?num ok"), "4");
    EXPECT_TRUE(Scen == before);
}

// Typed straight away: from the second opening on, the focus once stayed on the button that had
// closed the editor, and the text was lost.
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
        // A sign without text has no box to type in; the author can only close the window.
        const QString script =
            QString(slot ? "focus+_of_dogs " : "") + "?num ?text " + (ok ? "ok" : "cancel");
        EXPECT_EQ(
            Session<frmEditSign>([number = sign](frmEditSign& s) { s.SignNum = number; }, script),
            QString::number(sign) + (slot ? "|Beware of dogs" : "|"));
        EXPECT_TRUE(slot && ok ? *slot == "Beware of dogs" : Scen == before);
    }
}

// A rejected number stays until corrected, and OK does not store it: leaving the box once
// put the last good number back, and a click on OK then stored it.
TEST_F(StringEditorTest, SpecialSpotNumbersAreCheckedAgainstTheAreasNodes) {
    Scen.Towns[1].SpecialSpots = {{-1, 4, 4}, {12, 5, 5}};
    Scen.OutdoorSections.At(0, 0).SpecialSpots = {{7, 1, 1}};
    // Edit mode, spot, the node stored, the number shown, one rejected (typed after "5": the
    // validator refuses it) and the steps after OK.
    struct Case {
        std::int16_t editMode, spot, stored;
        const char *shown, *rejected, *then;
    };
    const Case cases[] = {{kEditSmallTown, 0, 99, "0", "100", "num:99 ?"},
                          {kEditSmallTown, 1, 0, "12", "-1", "num: ?"},
                          {kEditOutdoors, 0, 59, "7", "60", "num:59 ?"},
                          {kEditOutdoors, 0, 3, "59", "-1", "num:3 ?"},
                          {kEditSmallTown, 0, 99, "99", "500", "cancel"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rejected);
        Map.EditMode = c.editMode;
        const bool outdoors = c.editMode == kEditOutdoors;
        const std::size_t before = boxes.Calls().size();
        const QString typed = QString("?num num=5 num=") + c.rejected + " num:" + c.rejected;
        EXPECT_EQ(Session<frmSetSpecial>([&](frmSetSpecial& s) { s.Special = c.spot; },
                                         typed + " ok ?num ? " + c.then),
                  QString(c.shown) + "|" + c.rejected + "|open" +
                      (*c.then == 'c' ? "" : "|closed"));
        EXPECT_EQ(boxes.Calls().size() > before ? boxes.Texts().back() : "none",
                  outdoors ? "Value must be between 0 and 59." : "Value must be between 0 and 99.");
        const auto& spots =
            outdoors ? Scen.OutdoorSections.At(0, 0).SpecialSpots : Scen.Towns[1].SpecialSpots;
        EXPECT_EQ(spots[static_cast<std::size_t>(c.spot)].Node, c.stored);
    }
}
} // namespace
