#include "editor/frmFileNew.h"

#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "graphics/GraphicsSheets.h"
#include "platform/core/MsgBox.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/NumericValidator.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioSave.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
QLabel* AddLabel(QWidget* parent, const char* text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* AddBox(QWidget* parent, int maxLength, QRect place) {
    auto* box = new QLineEdit(parent);
    box->setGeometry(place);
    box->setMaxLength(maxLength);
    return box;
}

QFrame* AddGroupFrame(QWidget* parent, QRect place) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(place);
    frame->lower();
    return frame;
}
} // namespace

// A click on OK over a refused size is refused as Enter is, and the refused size stays in view
// for the author to correct: leaving the box would put the last size back and the click would
// go on to create the scenario with it.
frmFileNew::frmFileNew() : RecordDialog(LoadOn::EveryOpening, ButtonClick::ActsAsEnter) {
    SetFormFont(this);
    setFixedSize(TwipsSize(7560, 5115));

    // Each frame holds its group whole, inside its lines; the outdoors size and the grass
    // question lie too close for a gap, so their frames share one line.
    AddGroupFrame(this, Twips(900, 540, 6420, 1140));
    AddGroupFrame(this, Twips(900, 1740, 6420, 900));
    AddGroupFrame(this, Twips(900, 2625, 6420, 675));
    AddGroupFrame(this, Twips(900, 3420, 6420, 1140));

    const QRect picturePlace = Twips(120, 120, 480, 480);
    picDlogPic = AddDialogPicture(this, picturePlace.width());
    picDlogPic->move(picturePlace.topLeft());

    AddLabel(this, "Create a new scenario:", Twips(840, 120, 1980, 195));
    AddLabel(this, "What is the name of your new scenario? (max. length 30 characters)",
             Twips(960, 600, 3525, 375));
    txtScenName = AddBox(this, 30, Twips(5400, 600, 1695, 315));
    AddLabel(this, "What is the filename for your new scenario? (max.length 30 characters)",
             Twips(960, 1200, 3810, 390));
    txtFileName = AddBox(this, 30, Twips(5400, 1200, 1695, 315));
    AddLabel(this,
             "The outdoors for your scenario can have up to 100 48x48 sections. Note, however, "
             "that more than 50 sections may be a bit too large.",
             Twips(960, 1800, 6210, 465));
    AddLabel(this, "Width of outdoors (1..50)", Twips(1080, 2280, 2145, 195));
    txtOutWidth = AddBox(this, 2, Twips(3480, 2280, 615, 315));
    AddLabel(this, "Height of outdoors (1..50)", Twips(4200, 2280, 2205, 195));
    txtOutHeight = AddBox(this, 2, Twips(6600, 2280, 615, 315));
    chkGrass = new QCheckBox(this);
    chkGrass->setGeometry(Twips(1080, 2760, 195, 195));
    AddLabel(this,
             "Is your outdoors going to be above ground? If so, the default outdoors will have "
             "grass instead of cave floor. (Click on the button to the left to have the outdoors "
             "be grass.)",
             Twips(1440, 2640, 5775, 615));
    AddLabel(this, "Size of Town 0:", Twips(1080, 3480, 1425, 195));
    AddLabel(this, "Other towns can be added later.", Twips(1200, 3720, 2535, 375));
    const char* sizes[] = {"Large", "Medium", "Small"};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(sizes[i], this);
        option->setGeometry(Twips(4560, 3600 + 240 * i, 1200, 195));
        Connect(option, &QRadioButton::clicked, [this, i] { optTownSize_Click(i); });
        optTownSize[static_cast<std::size_t>(i)] = option;
    }
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setGeometry(Twips(5400, 4680, 915, 315));
    auto* ok = new QPushButton("OK", this);
    ok->setGeometry(Twips(6480, 4680, 915, 315));
    SetButtons(ok, cancel);

    setTabOrder(txtScenName, txtFileName);
    setTabOrder(txtFileName, txtOutWidth);
    setTabOrder(txtOutWidth, txtOutHeight);
    BindNumber(txtOutWidth, &lastWidth_, {"Outdoor width", 1, 50});
    BindNumber(txtOutHeight, &lastHeight_, {"Outdoor height", 1, 50});
}

void frmFileNew::LoadRecord() {
    // A closing by the frame's close box must not pass for a created scenario.
    frmCancel = 2;
}

void frmFileNew::ShowRecord() {
    txtScenName->setText("Scenario name");
    txtFileName->setText("filename");
    optTownSize[static_cast<std::size_t>(TownSize)]->setChecked(true);
    chkGrass->setChecked(false);
    txtScenName->setFocus();
}

void frmFileNew::optTownSize_Click(int index) {
    TownSize = static_cast<std::int16_t>(index);
}

NewScenarioChoices frmFileNew::Choices() const {
    NewScenarioChoices c;
    c.ScenName = FromQString(txtScenName->text());
    c.FileName = txtFileName->text().toStdString();
    c.OutdoorWidth = lastWidth_;
    c.OutdoorHeight = lastHeight_;
    c.Grass = chkGrass->isChecked();
    c.TownSize = TownSize;
    return c;
}

bool frmFileNew::SaveRecord() {
    const std::string problem = NewScenarioFileNameProblem(txtFileName->text().toStdString());
    if (!problem.empty()) {
        MsgBox(problem, msgbox::Exclamation, "Error!");
        return false;
    }
    const MsgBoxResult answer =
        MsgBox("The Scenario Editor is about to create your\r\nnew scenario, which will be ready "
               "for editing.\r\nThis will take a little while ... be patient.",
               msgbox::Information | msgbox::OkCancel, "Creating Scenario.");
    if (answer == MsgBoxResult::Cancel) {
        frmCancel = 2;
    } else if (CreateScenario(Choices())) {
        frmCancel = 1;
        LoadCustomPics(SiblingPath(ScenFile.ScenFilePath, "bmp"));
    } else {
        frmCancel = 2; // the creation has shown why; the earlier scenario stays
    }
    return true;
}

void frmFileNew::Cancelled() {
    frmCancel = 2;
}
