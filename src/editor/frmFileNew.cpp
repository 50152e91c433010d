#include "editor/frmFileNew.h"

#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "platform/FormControls.h"
#include "platform/MsgBox.h"
#include "platform/PictureBox.h"
#include "platform/TextCodec.h"
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
QRect Twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

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

constexpr std::int16_t kDialogPicture = 816;
} // namespace

frmFileNew::frmFileNew() {
    setWindowTitle("Varno Scenario Editor");
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setFixedSize(7560 / 15, 5115 / 15);

    AddGroupFrame(this, Twips(900, 540, 6360, 1140));
    AddGroupFrame(this, Twips(960, 1740, 6360, 900));
    AddGroupFrame(this, Twips(960, 2580, 6360, 720));
    AddGroupFrame(this, Twips(960, 3420, 6360, 1140));

    picDlogPic = new PictureBox(this);
    picDlogPic->setGeometry(Twips(120, 120, 480, 480));
    picDlogPic->ResizePixels(picDlogPic->width(), picDlogPic->height());

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
        connect(option, &QRadioButton::clicked, this, [this, i] { optTownSize_Click(i); });
        optTownSize[static_cast<std::size_t>(i)] = option;
    }
    cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setGeometry(Twips(5400, 4680, 915, 315));
    cmdOK = new QPushButton("OK", this);
    cmdOK->setGeometry(Twips(6480, 4680, 915, 315));
    cmdOK->setDefault(true);
    // A click must not take the focus from a size box holding a refused number: leaving the
    // box would put the last size back and let the click create the scenario.
    cmdOK->setFocusPolicy(Qt::TabFocus);
    cmdOK->setAutoDefault(true);
    cmdCancel->setAutoDefault(false);

    setTabOrder(txtScenName, txtFileName);
    setTabOrder(txtFileName, txtOutWidth);
    setTabOrder(txtOutWidth, txtOutHeight);
    connect(txtOutWidth, &QLineEdit::textChanged, this, [this] { txtOutWidth_Change(); });
    connect(txtOutHeight, &QLineEdit::textChanged, this, [this] { txtOutHeight_Change(); });
    OnLostFocus(txtOutWidth, [this] { txtOutWidth_LostFocus(); });
    OnLostFocus(txtOutHeight, [this] { txtOutHeight_LostFocus(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmFileNew::Form_Activate() {
    // A closing by the frame's close box must not pass for a created scenario.
    frmCancel = 2;
    badInput_ = false;
    loading_ = true;
    txtScenName->setText("Scenario name");
    txtFileName->setText("filename");
    txtOutWidth->setText(QString::number(lastWidth_));
    txtOutHeight->setText(QString::number(lastHeight_));
    optTownSize[static_cast<std::size_t>(TownSize)]->setChecked(true);
    chkGrass->setChecked(false);
    loading_ = false;
    txtScenName->setFocus();
    DrawDialogPicture();
}

void frmFileNew::DrawDialogPicture() {
    DrawPictureNumber(picDlogPic->surface(), kDialogPicture);
}

void frmFileNew::paintEvent(QPaintEvent* event) {
    ModalForm::paintEvent(event);
    DrawDialogPicture();
}

void frmFileNew::optTownSize_Click(int index) {
    TownSize = static_cast<std::int16_t>(index);
}

void frmFileNew::txtOutWidth_Change() {
    if (loading_) return;
    badInput_ = ValidateNumber(FromQString(txtOutWidth->text()), "Outdoor width", 1, 50);
}

void frmFileNew::txtOutHeight_Change() {
    if (loading_) return;
    badInput_ = ValidateNumber(FromQString(txtOutHeight->text()), "Outdoor height", 1, 50);
}

namespace {
// Puts the last accepted value back after a rejected entry, or takes the entry as the new
// accepted value. An empty box holds no size: it gets the last value back too.
void SettleSizeBox(QLineEdit* box, bool bad, std::int16_t& last) {
    const auto number = NumberFromBoxText(FromQString(box->text()));
    if (bad || !number || *number < 1 || *number > 50 || box->text().trimmed().isEmpty()) {
        box->setText(QString::number(last));
        return;
    }
    last = static_cast<std::int16_t>(*number);
}
} // namespace

void frmFileNew::txtOutWidth_LostFocus() {
    SettleSizeBox(txtOutWidth, badInput_, lastWidth_);
    badInput_ = false;
}

void frmFileNew::txtOutHeight_LostFocus() {
    SettleSizeBox(txtOutHeight, badInput_, lastHeight_);
    badInput_ = false;
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

void frmFileNew::cmdOK_Click() {
    // Checked before the focused box is settled: settling would put the last accepted size
    // back silently, and OK would then create a scenario the author did not ask for.
    if (badInput_) return;
    CommitFocusedBox(this);
    const std::string problem = NewScenarioFileNameProblem(txtFileName->text().toStdString());
    if (!problem.empty()) {
        MsgBox(problem, msgbox::Exclamation, "Error!");
        return;
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
    done(QDialog::Accepted);
}

void frmFileNew::cmdCancel_Click() {
    frmCancel = 2;
    done(QDialog::Accepted);
}

void frmFileNew::reject() {
    cmdCancel_Click();
}
