#pragma once

#include "dialogs/pictures/frmSelectIcon.h"
#include "graphics/GraphicsSheets.h"
#include "platform/qt/SharedForms.h"
#include "scenario/Scenario.h"
#include "support/MsgBoxRecorder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <typeindex>
#include <vector>

// Plays the author of the record editors: opens a dialog as its opener does, answers every
// modal window that it opens in turn with the next action given for that window's class, and
// acts through keys, clicks and focus changes only.
class RecordEditorTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The next opening of a Form runs action on it.
    template <class Form> void When(std::function<void(Form&)> action) {
        script_.push_back(
            {typeid(Form), [action](ModalForm& form) { action(static_cast<Form&>(form)); }});
    }

    // Opens the shared Form modally after prepare has set its public members.
    template <class Form>
    Form& Open(const std::function<void(Form&)>& prepare, std::function<void(Form&)> action) {
        Form& form = SharedForm<Form>();
        prepare(form);
        // The windows it opens come after it.
        script_.push_front({typeid(Form), [action = std::move(action)](ModalForm& shown) {
                                action(static_cast<Form&>(shown));
                            }});
        ShowModal(form);
        EXPECT_TRUE(script_.empty()) << script_.size() << " expected window(s) never opened";
        script_.clear();
        return form;
    }

    // The picker pages forward to the picture, marks it and closes with OK.
    void PickPicture(int picture);
    // The picker closes with Cancel.
    void CancelPicker();

    static void Type(QLineEdit* box, const QString& text);
    // Leaves the focused box for the next control, as Tab does.
    static void Leave(QLineEdit* box);
    static void Click(QPushButton* button);
    static void Click(QAbstractButton* option);
    // Chooses the entry with the keyboard, as an author does.
    static void Choose(QComboBox* list, int entry);

    std::vector<std::string> Messages() const;

    MsgBoxRecorder boxes;

  private:
    struct Step {
        std::type_index type;
        std::function<void(ModalForm&)> action;
    };
    std::deque<Step> script_;
    PictureHolders savedPics_;
    std::int16_t savedCustomLoaded_ = 0;
};
