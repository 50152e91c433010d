#pragma once

#include "dialogs/nodes/frmEditSpNode.h"
#include "forms/MultiLineBox.h"
#include "map/MapState.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/DialogDriver.h"
#include "support/Ints.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QtWidgets>
#include <map>

// A scenario of one section and two towns whose node families and message tables are all
// free; the current town is 1 and the current section (0, 0). The name tables are filled
// afresh for each test, since the node editor rewrites entry 229 of the node types.
class NodeScenarioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        Scen = MakeMinimalScenario();
        Scen.Towns.push_back(Scen.Towns[0]);
        Scen.TownTalks.push_back(Scen.TownTalks[0]);
        Scen.TownCount = 2;
        Scen.CurrentTown = 1;
        FreeEverything();
    }
    static void FreeEverything() {
        const SpecialNode free{0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        Scen.ScenSpecialNodes.fill(free);
        Scen.OutdoorSections.At(0, 0).SpecialNodes.fill(free);
        Scen.OutdoorSections.At(0, 0).Strings.fill("*");
        Scen.ScenStrings.fill("*");
        for (Town& town : Scen.Towns) {
            town.SpecialNodes.fill(free);
            town.Strings.fill("*");
        }
    }
    static void Use(std::int32_t family, int node, std::int16_t type, std::int16_t jumpTo = -1) {
        FamilyNode(Scen, family, node).Type = type;
        FamilyNode(Scen, family, node).JumpTo = jumpTo;
    }
};

// Opens the node, talk and text windows as their openers do, through a WindowScript, in a small
// town's edit mode, which the sign and special-spot dialogs read (the test guard puts it back).
class NodeWindowTest : public NodeScenarioTest {
  protected:
    void SetUp() override {
        NodeScenarioTest::SetUp();
        Map.EditMode = kEditSmallTown;
    }
    void TearDown() override { UnloadAllForms(); }
    // Sets up the shared Form and shows it modally; any window opening fails the test.
    template <class Form> static Form& NotOpened(const std::function<void(Form&)>& setup) {
        WindowScript none;
        Form& form = SharedForm<Form>();
        setup(form);
        ShowModal(form);
        return form;
    }
    static std::function<void(frmEditSpNode&)> At(std::int32_t family, std::int16_t node) {
        return [=](frmEditSpNode& e) { e.NodeSet = family, e.NodeNum = node; };
    }
    // Opens the node editor on the node; windows it opens follow the script's steps.
    static frmEditSpNode& Edit(std::int32_t family, std::int16_t node,
                               std::function<void(frmEditSpNode&)> act) {
        return OpenDialog<frmEditSpNode>(At(family, node), std::move(act));
    }
    // Types the text in place of the box's and presses Enter in it.
    static void Enter(QLineEdit* box, const QString& text) {
        TypeInto(box, text, false);
        QTest::keyClick(box, Qt::Key_Return);
    }

    MsgBoxRecorder boxes;
};

// A list as the author sees it: hidden, or its size, the entry selected and its text.
inline QString Seen(const QComboBox* list) {
    if (list->isHidden()) return "hidden";
    const int row = list->currentIndex();
    return QString("%1 #%2 %3").arg(list->count()).arg(row).arg(list->currentText()).trimmed();
}

// The texts of the boxes or labels, joined with "|".
template <class Widgets> QString Joined(const Widgets& widgets) {
    QStringList texts;
    for (const auto* widget : widgets)
        texts << widget->text();
    return texts.join('|');
}

// Types at the end of a box's text.
inline void Append(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

// What a control shows: "hidden", a list as Seen gives it (a type list its size), a multi-line box
// its stored text.
inline QString Text(QWidget* w) {
    if (w->isHidden()) return "hidden";
    if (auto* list = qobject_cast<QComboBox*>(w)) return Seen(list);
    if (auto* list = qobject_cast<QListWidget*>(w)) return QString::number(list->count());
    if (auto* box = dynamic_cast<MultiLineBox*>(w)) return QString::fromStdString(box->ModelText());
    return w->property("text").toString();
}

// A window's controls by the names its scripts use.
using Controls = std::map<QString, QWidget*>;
// Adds the controls as name0, name1, ...
template <class Array> void Name(Controls& controls, const QString& name, const Array& all) {
    for (std::size_t i = 0; i < all.size(); ++i)
        controls[name + QString::number(i)] = all[i];
}

// Plays the steps of a script, separated by spaces, on the window through widget events:
// "name" clicks the control, "name=text" types the text in place of the box's and leaves it with
// Tab, "name:text" types it and presses Enter, "name+text" types it at the end of the box's
// text ("_" stands for a space), "name#n" chooses entry n of a list with the keyboard and
// "name@n" picks it with the mouse; "?" notes the window's
// state line and "?name" what the control shows. The notes come back joined with "|".
inline QString Play(const Controls& controls, const std::function<QString()>& state,
                    const QString& script) {
    QStringList notes;
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype cut = step.indexOf(QRegularExpression("[=:+#@]"), 1);
        const auto found = controls.find(step.left(cut).remove(QRegularExpression("^\\?")));
        QWidget* w = found == controls.end() ? nullptr : found->second;
        const QString arg = cut < 0 ? "" : step.mid(cut + 1).replace('_', ' ');
        auto* types = qobject_cast<QListWidget*>(w);
        if (step == "?") {
            notes << state();
        } else if (!w) {
            ADD_FAILURE() << "no control for the step " << step.toStdString();
        } else if (step[0] == '?') {
            notes << Text(w);
        } else if (cut < 0) {
            Click(w);
        } else if (auto* list = qobject_cast<QComboBox*>(w); list && step[cut] == '@') {
            ChooseRow(list, arg.toInt());
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            Choose(list, arg.toInt());
        } else if (types) {
            types->scrollToItem(types->item(arg.toInt()));
            QTest::mouseClick(types->viewport(), Qt::LeftButton, {},
                              types->visualItemRect(types->item(arg.toInt())).center());
        } else if (step[cut] == '+') {
            Append(w, arg);
        } else if (auto* box = qobject_cast<QLineEdit*>(w)) {
            TypeInto(box, arg, step[cut] == '=');
            if (step[cut] == ':') QTest::keyClick(w, Qt::Key_Return);
        } else { // a multi-line box: its text replaced
            w->setFocus();
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(w, Qt::Key_Backspace);
            QTest::keyClicks(w, arg);
        }
    }
    return notes.join('|');
}
