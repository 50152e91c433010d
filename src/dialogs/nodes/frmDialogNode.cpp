#include "dialogs/nodes/frmDialogNode.h"

#include "dialogs/nodes/TalkingNodeLists.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "forms/MultiLineBox.h"
#include "platform/qt/DropDownList.h"
#include "platform/qt/QtText.h"
#include "platform/qt/SharedForms.h"
#include "scenario/Scenario.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kKeywordLength = 4;
constexpr int kTextLimit = 255;

// Runs a handler each time a box gets the focus.
class GotFocusFilter : public QObject {
  public:
    GotFocusFilter(QObject* parent, std::function<void()> handler)
        : QObject(parent), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            // After the click or key that moved the focus has placed the caret.
            QTimer::singleShot(0, this, [this] { RunGuarded(handler_); });
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> handler_;
};

QLabel* PromptLabel(QWidget* parent) {
    auto* label = new QLabel(kUnusedPrompt, parent);
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(250);
    return label;
}

QComboBox* DropDown(QWidget* parent, int width) {
    auto* list = new DropDownList(parent);
    list->setMinimumWidth(width);
    list->setMaxVisibleItems(20);
    QSizePolicy policy = list->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    list->setSizePolicy(policy);
    return list;
}
} // namespace

frmDialogNode::frmDialogNode() : RecordDialog(LoadOn::FirstOpening) {
    SetFormFont(this);
    BuildControls();
}

QGridLayout* frmDialogNode::BuildHeading() {
    picDlogPic = AddDialogPicture(this);
    const TitleNumberHeading heading =
        MakeTitleNumberHeading(this, picDlogPic, "Edit Character Dialog", "Node number :");
    lblNodeNum = heading.Number;
    return heading.Grid;
}

QGridLayout* frmDialogNode::BuildKeyRows() {
    auto* who = new QGridLayout();
    who->addWidget(new QLabel("For Personality:", this), 0, 0);
    lstPersonality = DropDown(this, 260);
    Connect(lstPersonality, &QComboBox::activated, [this] { lstPersonality_Click(); });
    who->addWidget(lstPersonality, 0, 1, 1, 4);
    who->addWidget(new QLabel("Response to:", this), 1, 0);
    who->addWidget(new QLabel("and to:", this), 1, 2);
    for (int i = 0; i < 2; ++i) {
        auto* box = new QLineEdit(this);
        box->setMaxLength(kKeywordLength);
        box->setFixedWidth(60);
        box->installEventFilter(new GotFocusFilter(box, [this, i] { txtWord_GotFocus(i); }));
        OnLostFocus(box, [this, i] { txtWord_LostFocus(i); });
        who->addWidget(box, 1, 1 + 2 * i);
        txtWord[static_cast<std::size_t>(i)] = box;
    }
    who->addWidget(new QLabel("Node Type:", this), 2, 0);
    lstType = DropDown(this, 260);
    who->addWidget(lstType, 2, 1, 1, 4);
    who->setColumnStretch(4, 1);
    types_ = &BindList(lstType, &Copy.NodeType);
    std::vector<std::string> names(kTalkingNodeTypeNames.begin(), kTalkingNodeTypeNames.end());
    types_->Fill(names);
    types_->OnChosen([this] { lstType_Click(); });
    return who;
}

QGridLayout* frmDialogNode::BuildExtraValues() {
    auto* extras = new QGridLayout();
    extras->addWidget(new QLabel("Extra values:", this), 0, 0, 1, 4);
    static const char* const kLetters[kTalkExtraCount] = {"A", "B", "C", "D"};
    for (int i = 0; i < kTalkExtraCount; ++i) {
        const auto e = static_cast<std::size_t>(i);
        extras->addWidget(new QLabel(kLetters[e], this), i + 1, 0);
        txtExtra[e] = new QLineEdit(this);
        txtExtra[e]->setFixedWidth(60);
        extras->addWidget(txtExtra[e], i + 1, 1);
        lblPrompt[e] = PromptLabel(this);
        extras->addWidget(lblPrompt[e], i + 1, 2);
        if (i < kTalkPickListCount) {
            lstChoose[e] = DropDown(this, 260);
            lstChoose[e]->hide();
            Connect(lstChoose[e], &QComboBox::activated, [this, i] { lstChoose_Click(i); });
            extras->addWidget(lstChoose[e], i + 1, 3);
        }
        NumberRule rule{"Value", 0, 0, 0, NumberRule::Check::OnFocusLoss};
        rule.notNumericMessage = "Value must be numeric.";
        extras_[e] = &BindNumber(txtExtra[e], &Copy.Extra[e], rule);
    }
    cmdButton = new QPushButton("Create/Edit", this);
    cmdButton->setAutoDefault(false);
    // Leaving a box may show a message while the button is held down; the click must not be
    // lost to it.
    TakeFocusOnClick(cmdButton);
    QSizePolicy keepPlace = cmdButton->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    cmdButton->setSizePolicy(keepPlace);
    cmdButton->hide();
    Connect(cmdButton, &QPushButton::clicked, [this] { cmdButton_Click(); });
    extras->addWidget(cmdButton, 1, 4);
    extras->setColumnStretch(3, 1);
    return extras;
}

QGridLayout* frmDialogNode::BuildMessages() {
    auto* texts = new QGridLayout();
    static const char* const kMessageCaptions[2] = {"Message 1:", "Message 2:"};
    for (int i = 0; i < 2; ++i) {
        const auto t = static_cast<std::size_t>(i);
        texts->addWidget(new QLabel(kMessageCaptions[t], this), 2 * i, 0);
        lblPrompt[4 + t] = PromptLabel(this);
        texts->addWidget(lblPrompt[4 + t], 2 * i, 1);
        txtText[t] = new MultiLineBox(kTextLimit, this);
        txtText[t]->setFixedSize(470, 4 * txtText[t]->fontMetrics().height() + 10);
        texts->addWidget(txtText[t], 2 * i + 1, 0, 1, 3);
    }
    texts->setColumnStretch(2, 1);
    return texts;
}

QHBoxLayout* frmDialogNode::BuildFoot() {
    const SignArrows arrows = MakeSignArrows(this);
    cmdScrollLeft = arrows.Left;
    cmdScrollRight = arrows.Right;
    SetArrows(cmdScrollLeft, cmdScrollRight);
    const FootRow foot = MakeFootRow(this, Closing::CancelOk, {cmdScrollLeft, cmdScrollRight});
    SetButtons(foot.Ok, foot.Cancel);
    return foot.Row;
}

void frmDialogNode::BuildControls() {
    QGridLayout* head = BuildHeading();
    QGridLayout* who = BuildKeyRows();
    QGridLayout* extras = BuildExtraValues();
    QGridLayout* texts = BuildMessages();
    QHBoxLayout* buttons = BuildFoot();
    auto* page = new QVBoxLayout(this);
    page->addLayout(head);
    page->addLayout(who);
    page->addLayout(extras);
    page->addLayout(texts);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void frmDialogNode::OpeningLoad() {
    // The town, and its personalities' names, may have changed since the last opening.
    QStringList entries;
    for (const std::string& entry : PersonalityEntries(Scen))
        entries.push_back(ToQString(entry));
    {
        const LoadingScope loading(Loading);
        lstPersonality->clear();
        lstPersonality->addItems(entries);
    }
    LoadAndShow();
}

void frmDialogNode::LoadRecord() {
    Copy = Scen.TownTalks.at(Scen.CurrentTown).Nodes.at(static_cast<std::size_t>(DialogNum));
}

void frmDialogNode::ShowRecord() {
    lblNodeNum->setText(QString::number(DialogNum));
    // A personality of another town's numbering has no entry: none is selected, and the node
    // keeps its number until the author picks one.
    lstPersonality->setCurrentIndex(PersonalityEntryOf(Copy.PersonalityNum, Scen.CurrentTown));
    for (int i = 0; i < 2; ++i) {
        txtWord[static_cast<std::size_t>(i)]->setText(ToQString(Word(i)));
        txtText[static_cast<std::size_t>(i)]->SetModelText(i == 0 ? Copy.Text1 : Copy.Text2);
    }
    SetPrompts();
    // After the prompts, so that an extra the type does not use shows 0.
    for (NumericBox* extra : extras_)
        extra->Show();
}

void frmDialogNode::SetPrompts() {
    const LoadingScope loading(Loading);
    const TalkPrompts prompts = PromptsOfTalkType(Scen, Copy.NodeType);
    for (QComboBox* list : lstChoose)
        list->hide();
    for (int i = 0; i < kTalkExtraCount; ++i) {
        const auto e = static_cast<std::size_t>(i);
        ExtraMin[e] = prompts.ExtraMin[e];
        ExtraMax[e] = prompts.ExtraMax[e];
        extras_[e]->SetBounds(ExtraMin[e], ExtraMax[e]);
    }
    if (prompts.PickIndex >= 0) FillChooseList(prompts.PickIndex, prompts.PickKind);
    for (std::size_t i = 0; i < lstChoose.size(); ++i) {
        QComboBox* list = lstChoose[i];
        if (list->isHidden()) continue;
        const int value = Copy.Extra[i];
        list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
    }
    for (std::size_t i = 0; i < lblPrompt.size(); ++i) {
        QLabel* prompt = lblPrompt[i];
        prompt->setText(ToQString(prompts.Prompt[i]));
        const bool unused = prompts.Prompt[i] == kUnusedPrompt;
        QPalette colours = prompt->palette();
        colours.setColor(QPalette::Window,
                         unused ? palette().color(QPalette::Dark) : QColor(0, 255, 255));
        prompt->setPalette(colours);
        if (unused && i < kTalkExtraCount) {
            Copy.Extra[i] = 0;
            extras_[i]->Show();
        }
    }
    cmdButton->setVisible(prompts.CallsNode);
}

void frmDialogNode::FillChooseList(int index, int kind) {
    FillPickList(index, PickListEntries(Scen, kind));
    if (kind == talklist::Flags && index + 1 < kTalkPickListCount)
        FillPickList(index + 1,
                     PickListFlagValues(Scen, Copy.Extra[static_cast<std::size_t>(index)]));
}

void frmDialogNode::FillPickList(int index, std::vector<std::string> entries) {
    const auto i = static_cast<std::size_t>(index);
    QComboBox* list = lstChoose[i];
    if (entries != pickEntries_[i] || list->count() != static_cast<int>(entries.size())) {
        QStringList texts;
        for (const std::string& entry : entries)
            texts.push_back(ToQString(entry));
        list->clear();
        list->addItems(texts);
        pickEntries_[i] = std::move(entries);
    }
    list->show();
}

void frmDialogNode::lstPersonality_Click() {
    if (Loading || lstPersonality->currentIndex() < 0) return;
    Copy.PersonalityNum = PersonalityOfEntry(lstPersonality->currentIndex(), Scen.CurrentTown);
}

void frmDialogNode::lstType_Click() {
    if (Loading) return;
    // The extras the new type uses keep their values, unchecked against its bounds.
    SetPrompts();
}

void frmDialogNode::lstChoose_Click(int index) {
    if (Loading) return;
    const auto i = static_cast<std::size_t>(index);
    const int chosen = lstChoose[i]->currentIndex();
    if (chosen < 0) return;
    Copy.Extra[i] = static_cast<std::int16_t>(chosen);
    extras_[i]->Show();
    // A flag chosen brings its own value names into the list beside it.
    SetPrompts();
}

void frmDialogNode::txtWord_GotFocus(int index) {
    QLineEdit* box = txtWord[static_cast<std::size_t>(index)];
    if (!box->hasFocus()) return;
    const int from = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    box->setSelection(from, kKeywordLength);
}

void frmDialogNode::txtWord_LostFocus(int index) {
    QLineEdit* box = txtWord[static_cast<std::size_t>(index)];
    if (box->text().isEmpty()) box->setText("xxxx");
    Word(index) = FitKeyword(FromQString(box->text()));
}

void frmDialogNode::cmdButton_Click() {
    if (Loading) return;
    frmEditSpNode& editor = SharedForm<frmEditSpNode>();
    editor.NodeSet = CalledNodeFamily(Copy.NodeType);
    // Node 0 counts as no node yet: the node editor takes a free one.
    if (Copy.Extra[0] == 0) Copy.Extra[0] = -1;
    editor.NodeNum = Copy.Extra[0];
    // The node editor's return is no new opening: the unsaved entries here stay.
    NeedLoad = false;
    ShowModal(editor);
    NeedLoad = true;
    Copy.Extra[0] = editor.NodeNum;
    extras_[0]->Show();
}

bool frmDialogNode::SaveRecord() {
    // The focused box was committed before the button acted; the extras hold only values
    // their checks let through.
    for (int i = 0; i < 2; ++i) {
        Word(i) = FitKeyword(FromQString(txtWord[static_cast<std::size_t>(i)]->text()));
        (i == 0 ? Copy.Text1 : Copy.Text2) = txtText[static_cast<std::size_t>(i)]->ModelText();
    }
    for (std::size_t i = 0; i < kTalkExtraCount; ++i)
        if (lblPrompt[i]->text() == kUnusedPrompt) Copy.Extra[i] = 0;
    Scen.TownTalks.at(Scen.CurrentTown).Nodes.at(static_cast<std::size_t>(DialogNum)) = Copy;
    return true;
}
