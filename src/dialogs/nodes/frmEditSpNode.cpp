#include "dialogs/nodes/frmEditSpNode.h"

#include "dialogs/nodes/NodeTypePresentation.h"
#include "platform/qt/DropDownList.h"

#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "graphics/GraphicsSheets.h"
#include "platform/core/MsgBox.h"
#include "platform/qt/QtText.h"
#include "scenario/tables/NodeTypeDescriptors.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// The fields come in groups, each under a caption of its own.
struct FieldGroup {
    const char* caption;
    int firstField;
};
constexpr FieldGroup kFieldGroups[] = {
    {"Stuff Done Flags:", 0}, {"Message1, Message2, Pict:", 2},
    {"Extra 1a and 1b:", 5},  {"Extra 2a and 2b:", 7},
    {"Jump To:", 9},
};

// Entering a field box selects its number, so that typing replaces it. The selection is made
// once the event that brought the focus is over: a mouse press would place the caret after it.
class SelectOnFocus : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            if (auto* box = qobject_cast<QLineEdit*>(watched))
                QTimer::singleShot(0, box, [box] {
                    if (box->hasFocus()) box->setSelection(0, 9);
                });
        return QObject::eventFilter(watched, event);
    }
};

QPushButton* KeepPlaceWhenHidden(QPushButton* button) {
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    button->setSizePolicy(policy);
    return button;
}
} // namespace

frmEditSpNode::frmEditSpNode() : RecordDialog(LoadOn::FirstOpening) {
    SetFormFont(this);
    BuildControls();
}

QGridLayout* frmEditSpNode::BuildHeading() {
    picDlogPic = AddDialogPicture(this);
    const TitleNumberHeading heading =
        MakeTitleNumberHeading(this, picDlogPic, "Edit Scenario special node:", "Node number :",
                               "Enter properties for this special  encounter node.");
    Label1 = heading.Title;
    lblNodeNum = heading.Number;
    return heading.Grid;
}

QVBoxLayout* frmEditSpNode::BuildTypeChoice() {
    auto* typeRow = new QHBoxLayout();
    typeRow->addWidget(new QLabel("Special type:", this));
    lblNodeType = new QLabel(this);
    lblNodeType->setMinimumWidth(220);
    typeRow->addWidget(lblNodeType, 1);
    auto* categories = new QGridLayout();
    for (int i = 0; i < kNodeTypeCategoryCount; ++i) {
        auto* button =
            new QPushButton(kNodeTypeCategories[static_cast<std::size_t>(i)].Caption, this);
        button->setAutoDefault(false);
        Connect(button, &QPushButton::clicked, [this, i] { cmdSpType_Click(i); });
        categories->addWidget(button, i / 3, i % 3);
        cmdSpType[static_cast<std::size_t>(i)] = button;
    }
    lstNodeType = new QListWidget(this);
    lstNodeType->setFixedHeight(6 * lstNodeType->fontMetrics().height() + 8);
    // A choice is a selection: the focus alone makes an entry current without choosing it.
    Connect(lstNodeType, &QListWidget::itemSelectionChanged, [this] { lstNodeType_Click(); });
    auto* typeColumn = new QVBoxLayout();
    typeColumn->addLayout(typeRow);
    typeColumn->addLayout(categories);
    typeColumn->addWidget(lstNodeType);
    return typeColumn;
}

QGridLayout* frmEditSpNode::BuildFieldGrid() {
    auto* selectOnFocus = new SelectOnFocus(this);
    auto* grid = new QGridLayout();
    grid->setVerticalSpacing(2);
    int row = 0;
    const auto nextGroup = [&](int field) {
        for (const FieldGroup& group : kFieldGroups)
            if (group.firstField == field) {
                grid->addWidget(AddTitleLabel(this, group.caption), row++, 0, 1, 4);
            }
    };
    for (int i = 0; i < kNodeFieldCount; ++i) {
        const auto f = static_cast<std::size_t>(i);
        nextGroup(i);
        lblPrompt[f] = new QLabel(this);
        lblPrompt[f]->setAutoFillBackground(true);
        lblPrompt[f]->setMinimumWidth(270);
        lblPrompt[f]->setFrameShape(QFrame::Panel);
        lblPrompt[f]->setFrameShadow(QFrame::Sunken);
        grid->addWidget(lblPrompt[f], row, 0);
        txtData[f] = new QLineEdit(this);
        txtData[f]->setFixedWidth(64);
        txtData[f]->installEventFilter(selectOnFocus);
        grid->addWidget(txtData[f], row, 1);
        if (i < kNodeFieldCount - 1) {
            auto* list = new DropDownList(this);
            list->setMinimumWidth(260);
            // Without this the style opens a list of 500 entries as tall as the screen.
            list->setStyleSheet("QComboBox { combobox-popup: 0; }");
            list->setMaxVisibleItems(20);
            QSizePolicy policy = list->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            list->setSizePolicy(policy);
            list->hide();
            Connect(list, &QComboBox::activated, [this, i] { lstChoose_Click(i); });
            grid->addWidget(list, row, 2);
            lstChoose[f] = list;
        }
        ++row;
    }
    AddFieldButtons(grid);
    BindFields();
    return grid;
}

void frmEditSpNode::AddFieldButtons(QGridLayout* grid) {
    const auto addFieldButton = [this, grid](QPushButton* button, int field, int column) {
        button->setAutoDefault(false);
        TakeFocusOnClick(button); // as OK and the arrows do
        KeepPlaceWhenHidden(button);
        int r = 0, c = 0, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(txtData[static_cast<std::size_t>(field)]), &r, &c, &rs,
                              &cs);
        grid->addWidget(button, r, column);
    };
    cmdMessage = new QPushButton("Create/Edit", this);
    addFieldButton(cmdMessage, 2, 3);
    cmdPict = new QPushButton("Choose", this);
    addFieldButton(cmdPict, 4, 3);
    cmdPictCustom = new QPushButton("Custom", this);
    addFieldButton(cmdPictCustom, 4, 4);
    for (int b = 1; b <= 3; ++b) {
        cmdButton[static_cast<std::size_t>(b)] = new QPushButton("Create/Edit", this);
        addFieldButton(cmdButton[static_cast<std::size_t>(b)], b == 1 ? 6 : b == 2 ? 8 : 9, 3);
        Connect(cmdButton[static_cast<std::size_t>(b)], &QPushButton::clicked,
                [this, b] { cmdButton_Click(b); });
    }
    Connect(cmdMessage, &QPushButton::clicked, [this] { cmdMessage_Click(); });
    Connect(cmdPict, &QPushButton::clicked, [this] { cmdPict_Click(); });
    Connect(cmdPictCustom, &QPushButton::clicked, [this] { cmdPictCustom_Click(); });
}

void frmEditSpNode::BindFields() {
    for (int i = 0; i < kNodeFieldCount; ++i) {
        const auto f = static_cast<std::size_t>(i);
        // Every field of a node may hold -1 for "none"; the picture holds 0 when emptied.
        NumberRule rule{"Value", 0, 0, static_cast<std::int16_t>(i == 4 ? 0 : -1)};
        rule.notNumericMessage = "Value must be numeric.";
        fields_[f] = &BindNumber(txtData[f], &Copy.NodeData[f], rule);
        fields_[f]->OnCommitted([this, i] { txtData_Committed(i); });
    }
}

QHBoxLayout* frmEditSpNode::BuildFoot() {
    const SignArrows arrows = MakeSignArrows(this);
    cmdScrollLeft = arrows.Left;
    cmdScrollRight = arrows.Right;
    SetArrows(cmdScrollLeft, cmdScrollRight);
    cmdGoBack = KeepPlaceWhenHidden(new QPushButton("Go Back", this));
    cmdGoBack->setAutoDefault(false);
    TakeFocusOnClick(cmdGoBack);
    Connect(cmdGoBack, &QPushButton::clicked, [this] { cmdGoBack_Click(); });
    const FootRow foot =
        MakeFootRow(this, Closing::CancelOk, {cmdScrollLeft, cmdScrollRight}, {cmdGoBack});
    KeepPlaceWhenHidden(foot.Cancel);
    SetButtons(foot.Ok, foot.Cancel);
    return foot.Row;
}

void frmEditSpNode::BuildControls() {
    QGridLayout* top = BuildHeading();
    QVBoxLayout* typeColumn = BuildTypeChoice();
    QGridLayout* grid = BuildFieldGrid();
    QHBoxLayout* buttons = BuildFoot();
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addLayout(typeColumn);
    page->addLayout(grid);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void frmEditSpNode::OpeningLoad() {
    // Whether the scenario has a custom sheet can change between openings.
    cmdPictCustom->setEnabled(CustomPicsLoaded != 0);
    GoBack.Reset(NodeNum, NodeSet);
    openedForNewNode_ = NodeNum == -1;
    {
        // The window opens with empty boxes, so that every value of the first node shown is
        // checked, as at any other opening.
        const LoadingScope quiet(Loading);
        for (QLineEdit* box : txtData)
            box->clear();
    }
    if (NodeNum != -1 && !IsNodeOfFamily(NodeSet, NodeNum)) {
        // An opener never passes such a number; loading it would reach outside the family.
        MsgBox(NodeOutOfRangeText(NodeSet, NodeNum), msgbox::Exclamation, "Error");
        CloseOnOpening();
        return;
    }
    LoadAndShow();
    SetChainButtons();
    if (NodeNum == -1) CloseOnOpening();
}

std::int16_t frmEditSpNode::FindFreeNode(std::int32_t family) {
    const bool wasLoading = Loading;
    Loading = true;
    const std::int16_t found = FirstFreeNode(Scen, family, family == NodeSet ? NodeNum : -1);
    // A failed search leaves the editor as usable as it was.
    Loading = wasLoading;
    if (found < 0) MsgBox(kNoFreeNodeText, msgbox::Exclamation, "Error");
    return found;
}

void frmEditSpNode::LoadRecord() {
    nodeShown_ = false;
    // Taken before the boxes are filled with the node, which happens next.
    for (std::size_t i = 0; i < txtData.size(); ++i)
        textsBeforeShow_[i] = txtData[i]->text();
    if (NodeNum == -1) {
        NodeNum = FindFreeNode(NodeSet);
        if (NodeNum < 0) return;
        GoBack.SetPendingNode(NodeNum);
    }
    MaxNode = MaxNodeOf(NodeSet);
    Copy = LoadNodeCopy(FamilyNode(Scen, NodeSet, NodeNum));
    nodeShown_ = true;
}

void frmEditSpNode::ShowRecord() {
    if (!nodeShown_) return;
    lstNodeType->clear();
    SetupNodeType();
    static const char* const kTitles[] = {
        "Edit Scenario special node:", "Edit Outdoor special node:", "Edit Town special node:"};
    Label1->setText(kTitles[NodeSet == 1 ? 1 : NodeSet == 2 ? 2 : 0]);
    lblNodeNum->setText(QString::number(NodeNum));
    lblNodeType->setText(ToQString(TypeInfo().Name));
    CheckShownFields();
}

// A box whose text the node changed is checked as if the author had typed its value: a stored
// value that the check rejects is reported now and keeps OK and the arrows from acting until
// it is corrected. A later box that passes does not lift that, or the rejected value would be
// saved back unnoticed.
void frmEditSpNode::CheckShownFields() {
    bool checked = false;
    bool rejected = false;
    for (std::size_t i = 0; i < txtData.size(); ++i) {
        if (txtData[i]->text() == textsBeforeShow_[i]) continue;
        checked = true;
        if (!fields_[i]->Validate()) rejected = true;
    }
    // Each check sets the flag to its own verdict; the flag holds any box's rejection.
    if (checked) BadInput = rejected;
}

void frmEditSpNode::SaveNode() {
    FamilyNode(Scen, NodeSet, NodeNum) = SaveNodeCopy(Copy);
}

bool frmEditSpNode::SaveRecord() {
    SaveNode();
    return true;
}

void frmEditSpNode::Accepted() {
    NodeNum = GoBack.Bottom().Node;
    NodeSet = GoBack.Bottom().Family;
}

void frmEditSpNode::Cancelled() {
    // Esc or the frame's close box while links are followed: the chain was saved link by link,
    // so the opener gets its bottom, as after OK; only the node shown is not saved.
    if (GoBack.Depth() > 0) Accepted();
    // A reference to a node the author left free must not be stored by the opener.
    if (openedForNewNode_ && nodeShown_) NodeNum = NodeReferenceOrNone(Scen, NodeSet, NodeNum);
}

void frmEditSpNode::SetChainButtons() {
    const bool following = GoBack.Depth() > 0;
    cmdGoBack->setVisible(following);
    cmdCancel->setVisible(!following);
}

void frmEditSpNode::ShowField(int field) {
    fields_[static_cast<std::size_t>(field)]->Show();
}
