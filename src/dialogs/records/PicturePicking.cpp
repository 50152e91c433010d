#include "dialogs/records/PicturePicking.h"

#include "dialogs/pictures/frmSelectIcon.h"

PickedPicture PickPicture(std::int32_t pictureSet, std::int16_t select) {
    frmSelectIcon& picker = SharedForm<frmSelectIcon>();
    picker.PictureSet = pictureSet;
    picker.PictureSelect = select;
    ShowModal(picker);
    return {picker.CancelFlag, picker.PictureSelect};
}
