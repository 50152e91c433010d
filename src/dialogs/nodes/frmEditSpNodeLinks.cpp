// The special-node editor's links to other nodes, the chain it goes back along, and the
// buttons that open the message editors and the picture picker.
#include "dialogs/nodes/frmEditSpNode.h"

#include "dialogs/nodes/frmEditText2.h"
#include "dialogs/nodes/frmEditText6.h"
#include "dialogs/pictures/frmSelectIcon.h"
#include "graphics/GraphicsSheets.h"
#include "platform/core/MsgBox.h"
#include "platform/qt/SharedForms.h"
#include "scenario/tables/NodeTypeDescriptors.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
const char* const kChainFullText = "You have followed as many links as the editor can go back "
                                   "along.\r\n\r\nGo back before you follow another link.";
}

void frmEditSpNode::cmdButton_Click(int index) {
    if (Loading) return;
    const NodeLink link = LinkOfButton(index, Copy.CurrentType, NodeSet);
    const auto field = static_cast<std::size_t>(link.Field);
    if (GoBack.IsFull()) {
        MsgBox(kChainFullText, msgbox::Exclamation, "Error");
        return;
    }
    std::int16_t target = Copy.NodeData[field];
    if (target > MaxNodeOf(link.Family)) {
        MsgBox(NodeOutOfRangeText(link.Family, target), msgbox::Exclamation, "Error");
        return;
    }
    if (target < 0) {
        target = FindFreeNode(link.Family);
        if (target < 0) return;
    }
    Copy.NodeData[field] = target;
    SaveNode();
    GoBack.Push({NodeNum, static_cast<std::int16_t>(NodeSet), static_cast<std::int16_t>(index)});
    NodeNum = target;
    NodeSet = link.Family;
    LoadAndShow();
    SetChainButtons();
}

void frmEditSpNode::cmdGoBack_Click() {
    if (Loading || BadInput || GoBack.Depth() == 0) return;
    const bool childInUse = !(Copy.NodeData[nodefield::JumpTo] == -1 && Copy.CurrentType == 0);
    // An unused child is not saved, so a node made for the link stays in storage as it was. A
    // node that storage still holds in use is saved all the same: the author freed it, and
    // leaving it would lose that.
    if (childInUse || !IsFreeNode(FamilyNode(Scen, NodeSet, NodeNum))) SaveNode();
    const std::int16_t leftNode = NodeNum;
    const std::int32_t leftFamily = NodeSet;
    const GoBackEntry parent = GoBack.Pop();
    NodeNum = parent.Node;
    NodeSet = parent.Family;
    LoadAndShow();
    const LoadingScope loading(Loading);
    if (!childInUse && ShouldUnlinkParent(Copy, parent, leftNode, leftFamily)) {
        const int field = LinkOfButton(parent.Button, Copy.CurrentType, NodeSet).Field;
        Copy.NodeData[static_cast<std::size_t>(field)] = -1;
        ShowField(field);
        SaveNode();
    }
    SetChainButtons();
}

void frmEditSpNode::cmdMessage_Click() {
    if (Loading) return;
    switch (TypeInfo().MessageKind) {
    case messagekind::Dialog: {
        frmEditText6& editor = SharedForm<frmEditText6>();
        editor.Mess0 = Copy.NodeData[nodefield::Message1];
        ShowModal(editor);
        Copy.NodeData[nodefield::Message1] = editor.Mess0;
        ShowField(nodefield::Message1);
        break;
    }
    case messagekind::TwoPart: {
        frmEditText2& editor = SharedForm<frmEditText2>();
        editor.Mess0 = Copy.NodeData[nodefield::Message1];
        editor.Mess1 = Copy.NodeData[nodefield::Message2];
        ShowModal(editor);
        Copy.NodeData[nodefield::Message1] = editor.Mess0;
        Copy.NodeData[nodefield::Message2] = editor.Mess1;
        ShowField(nodefield::Message1);
        ShowField(nodefield::Message2);
        break;
    }
    default:
        break;
    }
}

void frmEditSpNode::cmdPict_Click() {
    if (Loading) return;
    ChoosePicture(false);
}

void frmEditSpNode::cmdPictCustom_Click() {
    if (Loading) return;
    ChoosePicture(true);
}

void frmEditSpNode::ChoosePicture(bool custom) {
    const PicturePick pick =
        PicturePickOf(custom, TypeInfo().PictureKind, frmPics.imgCustomPics.height());
    if (pick.PictureSet < 0) return;
    frmSelectIcon& picker = SharedForm<frmSelectIcon>();
    picker.PictureSet = pick.PictureSet;
    picker.PictureSelect = PreselectedPicture(pick, Copy.NodeData[nodefield::Picture]);
    ShowModal(picker);
    if (picker.PictureSelect > -1) {
        Copy.NodeData[nodefield::Picture] =
            static_cast<std::int16_t>(picker.PictureSelect + pick.Offset);
        ShowField(nodefield::Picture);
    }
}
