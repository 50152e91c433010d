#include "RecordEditorDriver.h"

#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/SampleScenario.h"

#include <QApplication>
#include <QTest>

void RecordEditorTest::SetUp() {
    InitCommonTables();
    InitScenEditorTables();
    Scen = MakeVariedScenario(1, 1, 1, 7);
    savedPics_ = frmPics;
    savedCustomLoaded_ = CustomPicsLoaded;
    // A custom sheet of three rows: pictures 0..29.
    frmPics.imgCustomPics = QImage(280, 108, QImage::Format_RGB32);
    frmPics.imgCustomPics.fill(qRgb(10, 20, 30));
    CustomPicsLoaded = -1;

    SetModalFormHook([this](ModalForm& form) {
        ASSERT_FALSE(script_.empty()) << "unexpected window " << typeid(form).name();
        Step step = std::move(script_.front());
        script_.pop_front();
        ASSERT_EQ(step.type, std::type_index(typeid(form)))
            << "expected " << step.type.name() << ", opened " << typeid(form).name();
        QWidget* opener = QApplication::activeWindow();
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        step.action(form);
        // The opener is the active window again once this one is gone.
        form.hide();
        if (opener) {
            opener->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(opener));
        }
    });
}

void RecordEditorTest::TearDown() {
    SetModalFormHook({});
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

void RecordEditorTest::Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    // Typing over the selection replaces it at the first key, as the author's typing does.
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

void RecordEditorTest::Leave(QLineEdit* box) {
    QTest::keyClick(box, Qt::Key_Tab);
}

void RecordEditorTest::Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void RecordEditorTest::Click(QAbstractButton* option) {
    // On the indicator: the middle of a wide option or check box may lie beyond its caption.
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void RecordEditorTest::Choose(QComboBox* list, int entry) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < entry; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

std::vector<std::string> RecordEditorTest::Messages() const {
    std::vector<std::string> texts;
    for (const auto& call : boxes.Calls())
        texts.push_back(call.text);
    return texts;
}
