#pragma once

#include "dialogs/nodes/frmEditSpNode.h"
#include "support/Ints.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/ShownControls.h"

#include <QtWidgets>

// The area dialogs, opened as their openers open them; the windows go after each test.
class AreaDialogTest : public ::testing::Test {
  protected:
    void TearDown() override { UnloadAllForms(); }

    // Opens the shared Form after setup has set its public members.
    template <class Form>
    Form& Open(
        const std::function<void(Form&)>& action,
        const std::function<void(Form&)>& setup = [](Form&) {}) {
        return OpenDialog<Form>(setup, action);
    }
    // Answers the node editors opened while editors lives, in turn, by the keys; notes the
    // nodes offered, which must be of the family given.
    static void AnswerNodeEditors(WindowScript& editors, std::int32_t family,
                                  std::initializer_list<Qt::Key> keys, std::vector<int>& offered) {
        for (Qt::Key key : keys)
            editors.When<frmEditSpNode>([family, key, &offered](frmEditSpNode& e) {
                EXPECT_EQ(e.NodeSet, family);
                offered.push_back(e.NodeNum);
                QTest::keyClick(&e, key);
            });
    }
    MsgBoxRecorder boxes;
};
