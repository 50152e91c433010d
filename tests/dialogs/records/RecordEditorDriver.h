#pragma once

#include "dialogs/pictures/frmSelectIcon.h"
#include "graphics/GraphicsSheets.h"
#include "scenario/Scenario.h"
#include "support/DialogDriver.h"
#include "support/Ints.h"
#include "support/MsgBoxRecorder.h"
#include "support/ShownControls.h"

#include <QtWidgets>
#include <optional>

using Texts = std::vector<std::string>;

// The record editors over a varied scenario and a custom sheet of three rows (pictures 0..29):
// each opened window is answered by the next action given for its class.
class RecordEditorTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The next opening of a Form runs action on it.
    template <class Form> void When(std::function<void(Form&)> action) {
        script_->When<Form>(std::move(action));
    }
    // Opens the shared Form modally after prepare has set its public members.
    template <class Form>
    Form& Open(const std::function<void(Form&)>& prepare, std::function<void(Form&)> action) {
        Form& form = script_->Open<Form>(prepare, std::move(action));
        script_.emplace();
        return form;
    }
    template <class Form> Form& Open(std::function<void(Form&)> action) {
        return Open<Form>([](Form&) {}, std::move(action));
    }

    // The picker pages forward to the picture, marks it and closes with OK.
    void PickPicture(int picture);
    // The picker closes with Cancel.
    void CancelPicker();
    // The messages shown since the previous call.
    Texts NewMessages();

    MsgBoxRecorder boxes;

  private:
    std::optional<WindowScript> script_;
    PictureHolders savedPics_;
    std::int16_t savedCustomLoaded_ = 0;
    std::size_t seen_ = 0;
};
