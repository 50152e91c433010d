#include "RecordEditorDriver.h"

#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/SampleScenario.h"

void RecordEditorTest::SetUp() {
    InitCommonTables();
    InitScenEditorTables();
    Scen = MakeVariedScenario(1, 1, 1, 7);
    savedPics_ = frmPics;
    savedCustomLoaded_ = CustomPicsLoaded;
    frmPics.imgCustomPics = QImage(280, 108, QImage::Format_RGB32);
    frmPics.imgCustomPics.fill(qRgb(10, 20, 30));
    CustomPicsLoaded = -1;
    script_.emplace();
}

void RecordEditorTest::TearDown() {
    script_.reset();
    UnloadAllForms();
    frmPics = savedPics_;
    CustomPicsLoaded = savedCustomLoaded_;
}

void RecordEditorTest::PickPicture(int picture) {
    When<frmSelectIcon>([picture](frmSelectIcon& picker) {
        for (int page = 0; page < picture / frmSelectIcon::kCells; ++page)
            Click(picker.cmdScrollRight);
        const auto cell = static_cast<std::size_t>(picture % frmSelectIcon::kCells);
        QTest::mouseClick(picker.picSelect[cell], Qt::LeftButton);
        Click(picker.cmdOK);
    });
}

void RecordEditorTest::CancelPicker() {
    When<frmSelectIcon>([](frmSelectIcon& picker) { Click(picker.cmdCancel); });
}

Texts RecordEditorTest::NewMessages() {
    Texts texts = boxes.Texts();
    texts.erase(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(seen_));
    seen_ = boxes.Calls().size();
    return texts;
}
