#pragma once

#include "dialogs/nodes/NodeTestScenario.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "map/MapState.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"

#include <QLabel>
#include <QPushButton>

// Opens the node, talk and text windows as their openers do, through a WindowScript; puts back
// the map's edit mode, which the sign and special-spot dialogs read.
class NodeWindowTest : public NodeScenarioTest {
  protected:
    void SetUp() override {
        NodeScenarioTest::SetUp();
        editMode_ = Map.EditMode;
        Map.EditMode = kEditSmallTown;
    }
    void TearDown() override {
        UnloadAllForms();
        Map.EditMode = editMode_;
    }
    // Sets up the shared Form and shows it modally; any window opening fails the test.
    template <class Form> static Form& NotOpened(const std::function<void(Form&)>& setup) {
        WindowScript none;
        Form& form = SharedForm<Form>();
        setup(form);
        ShowModal(form);
        return form;
    }
    static std::function<void(frmEditSpNode&)> At(std::int32_t family, std::int16_t node) {
        return [=](frmEditSpNode& e) {
            e.NodeSet = family;
            e.NodeNum = node;
        };
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

  private:
    std::int16_t editMode_ = 0;
};
