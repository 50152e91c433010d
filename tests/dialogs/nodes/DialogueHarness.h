#pragma once

#include "dialogs/nodes/NodeEditorHarness.h"
#include "map/MapState.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <functional>

// Opens the dialogue and string editors as their openers do, each shown window handed to the
// test's action for it; remembers and puts back the map's edit mode, which the sign and
// special-spot dialogs read.
class DialogueTest : public NodeScenarioTest {
  protected:
    void SetUp() override {
        NodeScenarioTest::SetUp();
        editMode_ = Map.EditMode;
        Map.EditMode = kEditSmallTown;
    }
    void TearDown() override {
        SetModalFormHook({});
        UnloadAllForms();
        Map.EditMode = editMode_;
    }

    // Shows the form modally; act runs on each window of the given type that is shown, and
    // the node editor, when the form opens it, runs nodeEditor.
    template <class Form>
    Form& Open(std::function<void(Form&)> act,
               std::function<void(frmEditSpNode&)> nodeEditor = {}) {
        SetModalFormHook([act, nodeEditor](ModalForm& form) {
            ShowActive(form);
            if (auto* f = dynamic_cast<Form*>(&form))
                act(*f);
            else if (auto* e = dynamic_cast<frmEditSpNode*>(&form); e && nodeEditor)
                nodeEditor(*e);
            else
                ADD_FAILURE() << "unexpected window " << ClassName(typeid(form));
        });
        Form& form = SharedForm<Form>();
        ShowModal(form);
        SetModalFormHook({});
        return form;
    }

    static void PressEnter(QWidget* focused) { QTest::keyClick(focused, Qt::Key_Return); }

    MsgBoxRecorder boxes;

  private:
    std::int16_t editMode_ = 0;
};
