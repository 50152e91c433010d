#pragma once

#include "support/DialogDriver.h"
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
    MsgBoxRecorder boxes;
};
