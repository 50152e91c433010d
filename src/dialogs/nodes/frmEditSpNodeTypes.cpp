// The special-node editor's presentation of a node by its type: prompts, value lists, buttons,
// and the choice of a type or of a value from a list.
#include "dialogs/nodes/NodeTypePresentation.h"
#include "dialogs/nodes/frmEditSpNode.h"

#include "platform/qt/QtText.h"
#include "scenario/tables/NodeTypeDescriptors.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr QRgb kUsedPromptColour = qRgb(0, 255, 255);

void ShadePrompt(QLabel* prompt, bool unused) {
    QPalette palette = prompt->palette();
    palette.setColor(QPalette::Window,
                     unused ? prompt->palette().color(QPalette::Dark) : QColor(kUsedPromptColour));
    prompt->setPalette(palette);
}
} // namespace

const SpecialNodeTypeInfo& frmEditSpNode::TypeInfo() const {
    const bool known = Copy.CurrentType >= 0 && Copy.CurrentType < kSpecialNodeTypeCount;
    return SpecialNodeTypes[known ? static_cast<std::size_t>(Copy.CurrentType) : 0];
}

void frmEditSpNode::SetupNodeType() {
    const LoadingScope loading(Loading);
    const SpecialNodeTypeInfo& info = PresentedNodeType(Copy);
    cmdMessage->setVisible(info.ButtonFlags[nodebutton::Message] != 0);
    cmdPict->setVisible(info.PictureKind != 0);
    cmdPictCustom->setVisible(info.PictureKind != 0);
    cmdButton[1]->setVisible(info.ButtonFlags[nodebutton::Extra1b] != 0);
    cmdButton[2]->setVisible(info.ButtonFlags[nodebutton::Extra2b] != 0);
    // A link field names a node of its family: a number beyond the family is refused as it
    // is typed, like any other wrong entry.
    for (int button = 1; button <= 3; ++button) {
        const NodeLink link = LinkOfButton(button, Copy.CurrentType, NodeSet);
        const bool isLink = button == 3 || info.ButtonFlags[static_cast<std::size_t>(button)] != 0;
        fields_[static_cast<std::size_t>(link.Field)]->SetBounds(
            isLink ? std::int16_t{-1} : std::int16_t{0},
            isLink ? MaxNodeOf(link.Family) : std::int16_t{0});
    }
    for (std::size_t i = 0; i < kNodeFieldCount; ++i) {
        lblPrompt[i]->setText(ToQString(info.Prompts[i]));
        ShadePrompt(lblPrompt[i], IsUnusedPrompt(FromQString(lblPrompt[i]->text())));
    }
    for (std::size_t i = 0; i + 1 < kNodeFieldCount; ++i) {
        const std::int16_t kind = info.ChooserKinds[i];
        const std::int16_t flag = i > 0 ? Copy.NodeData[i - 1] : std::int16_t{-1};
        FillChooser(static_cast<int>(i), kind, ChooserEntries(Scen, kind, flag));
    }
    for (std::size_t i = 0; i + 1 < kNodeFieldCount; ++i)
        if (!lstChoose[i]->isHidden())
            lstChoose[i]->setCurrentIndex(ChooserSelection(
                Copy.NodeData[i], static_cast<std::size_t>(lstChoose[i]->count())));
}

void frmEditSpNode::FillChooser(int field, std::int16_t kind, std::vector<std::string> entries) {
    const auto f = static_cast<std::size_t>(field);
    QComboBox* list = lstChoose[f];
    if (kind == chooser::None || kind < 0 || kind > chooser::StuffDoneFlagB) {
        list->hide(); // its old entries stay, as nothing reads them while it is hidden
        return;
    }
    // Refilling a list of 500 names at every choice would be felt; an unchanged list is kept.
    if (kind != chooserKinds_[f] || entries != chooserEntries_[f] || list->count() == 0) {
        list->clear();
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(entries.size()));
        for (const std::string& entry : entries)
            texts.append(ToQString(entry));
        list->addItems(texts);
        chooserKinds_[f] = kind;
        chooserEntries_[f] = std::move(entries);
    }
    list->show();
}

void frmEditSpNode::cmdSpType_Click(int index) {
    if (Loading) return;
    const NodeTypeCategory& category = kNodeTypeCategories.at(static_cast<std::size_t>(index));
    Loading = true;
    lstNodeType->clear();
    for (int type = category.FirstType; type <= category.LastType; ++type) {
        auto* entry = new QListWidgetItem(
            ToQString(SpecialNodeTypes[static_cast<std::size_t>(type)].Name), lstNodeType);
        entry->setData(Qt::UserRole, type);
    }
    Loading = false;
}

void frmEditSpNode::lstNodeType_Click() {
    if (Loading) return;
    const QList<QListWidgetItem*> selected = lstNodeType->selectedItems();
    if (selected.isEmpty()) return;
    const QListWidgetItem* entry = selected.front();
    Copy.CurrentType = static_cast<std::int16_t>(entry->data(Qt::UserRole).toInt());
    lblNodeType->setText(ToQString(TypeInfo().Name));
    SetupNodeType();
}

void frmEditSpNode::lstChoose_Click(int index) {
    if (Loading) return;
    const auto f = static_cast<std::size_t>(index);
    const int chosen = lstChoose[f]->currentIndex();
    if (chosen < 0) return;
    Copy.NodeData[f] = static_cast<std::int16_t>(chosen);
    // Shown as typed text is, so that the box's check runs on it.
    txtData[f]->setText(QString::number(chosen));
    SetupNodeType(); // also refills a part-B list from a newly chosen flag
}

void frmEditSpNode::txtData_Committed(int field) {
    if (field >= kNodeFieldCount - 1) return;
    const auto f = static_cast<std::size_t>(field);
    QComboBox* list = lstChoose[f];
    if (list->isHidden()) return;
    const std::int16_t value = Copy.NodeData[f];
    if (ChooserSelection(value, static_cast<std::size_t>(list->count())) >= 0) {
        list->setCurrentIndex(value);
        lstChoose_Click(field);
    } else {
        // The typed value stays and the list shows no entry; the presentation still follows
        // it (a store kind or a flag number beyond the list changes other fields' labels).
        SetupNodeType();
    }
}
