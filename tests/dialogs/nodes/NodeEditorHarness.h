#pragma once

#include "dialogs/nodes/NodeTestScenario.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/nodes/frmEditText2.h"
#include "dialogs/nodes/frmEditText6.h"
#include "dialogs/pictures/frmSelectIcon.h"
#include "platform/qt/SharedForms.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <functional>

// Runs the node editor and the windows it opens as its openers do, each window handed to the
// action for its kind while it is shown.
class NodeEditorTest : public NodeScenarioTest {
  protected:
    struct Script {
        std::function<void(frmEditSpNode&)> editor = {};
        std::function<void(frmEditText2&)> text2 = {};
        std::function<void(frmEditText6&)> text6 = {};
        std::function<void(frmSelectIcon&)> picker = {};
    };

    void TearDown() override {
        SetModalFormHook({});
        UnloadAllForms();
    }

    void Install(Script script) {
        script_ = std::move(script);
        SetModalFormHook([this](ModalForm& form) {
            ShowActive(form);
            if (auto* e = dynamic_cast<frmEditSpNode*>(&form); e && script_.editor)
                script_.editor(*e);
            else if (auto* t = dynamic_cast<frmEditText2*>(&form); t && script_.text2)
                script_.text2(*t);
            else if (auto* t6 = dynamic_cast<frmEditText6*>(&form); t6 && script_.text6)
                script_.text6(*t6);
            else if (auto* p = dynamic_cast<frmSelectIcon*>(&form); p && script_.picker)
                script_.picker(*p);
            else
                ADD_FAILURE() << "unexpected window " << ClassName(typeid(form));
        });
    }

    frmEditSpNode& Open(std::int32_t family, std::int16_t node, Script script) {
        Install(std::move(script));
        frmEditSpNode& editor = SharedForm<frmEditSpNode>();
        editor.NodeSet = family;
        editor.NodeNum = node;
        ShowModal(editor);
        SetModalFormHook({});
        return editor;
    }

    // A message editor opened as the node editor opens it, for the family given.
    template <class Editor> Editor& OpenText(std::int32_t family, Script script) {
        SharedForm<frmEditSpNode>().NodeSet = family;
        Install(std::move(script));
        Editor& editor = SharedForm<Editor>();
        ShowModal(editor);
        SetModalFormHook({});
        return editor;
    }

    static void Use(std::int32_t family, std::int16_t node, std::int16_t type,
                    std::int16_t jumpTo = -1) {
        SpecialNode& stored = FamilyNode(Scen, family, node);
        stored.Type = type;
        stored.JumpTo = jumpTo;
    }

    MsgBoxRecorder boxes;
    Script script_;
};
