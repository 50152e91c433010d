#pragma once

#include "dialogs/pictures/frmSelectIcon.h"
#include "graphics/GraphicsSheets.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/Ints.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/ShownControls.h"

#include <QtWidgets>
#include <optional>

using Texts = std::vector<std::string>;

// The record editors over a varied scenario and a custom sheet of three rows (pictures 0..29):
// each opened window is answered by the next action given for its class.
class RecordEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        Scen = MakeVariedScenario(1, 1, 1, 7);
        frmPics.imgCustomPics = QImage(280, 108, QImage::Format_RGB32);
        frmPics.imgCustomPics.fill(qRgb(10, 20, 30));
        CustomPicsLoaded = -1;
        script_.emplace();
    }
    void TearDown() override {
        script_.reset();
        UnloadAllForms();
        frmPics = savedPics_, CustomPicsLoaded = savedCustomLoaded_;
    }

    // The next opening of a Form runs action on it.
    template <class Form> void When(std::function<void(Form&)> action) {
        script_->When<Form>(std::move(action));
    }
    // Opens the shared Form modally after prepare has set its public members.
    template <class Form>
    void Open(const std::function<void(Form&)>& prepare, std::function<void(Form&)> action) {
        script_->Open<Form>(prepare, std::move(action));
        script_.emplace();
    }
    template <class Form> void Open(std::function<void(Form&)> action) {
        Open<Form>([](Form&) {}, std::move(action));
    }

    // The picker pages forward to the picture, marks it and closes with OK.
    void PickPicture(int picture) {
        When<frmSelectIcon>([picture](frmSelectIcon& picker) {
            for (int page = 0; page < picture / frmSelectIcon::kCells; ++page)
                Click(picker.cmdScrollRight);
            const auto cell = static_cast<std::size_t>(picture % frmSelectIcon::kCells);
            QTest::mouseClick(picker.picSelect[cell], Qt::LeftButton);
            Click(picker.cmdOK);
        });
    }
    void CancelPicker() {
        When<frmSelectIcon>([](frmSelectIcon& p) { Click(p.cmdCancel); });
    }
    // The messages shown since the previous call.
    Texts NewMessages() { return boxes.TakeTexts(); }

    MsgBoxRecorder boxes;

  private:
    std::optional<WindowScript> script_;
    const PictureHolders savedPics_ = frmPics;
    const std::int16_t savedCustomLoaded_ = CustomPicsLoaded;
};
