#include "ui/image_list.h"

#include "ui/exception.h"

#include <string>

namespace ui {

ImageList::ImageList(Component* owner, int width, int height)
    : Component(owner), width_(width), height_(height),
      handle_(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 8, 8)) {}

ImageList::~ImageList() { ImageList_Destroy(handle_); }

int ImageList::Count() const { return ImageList_GetImageCount(handle_); }

int ImageList::AddIcon(const Icon& icon) {
    if (icon.Empty()) return -1;
    return ImageList_ReplaceIcon(handle_, -1, icon.Handle());
}

void ImageList::InsertIcon(int index, const Icon& icon) {
    int last = AddIcon(icon);
    if (last < 0) return;
    // The list has no insert of its own: move the images from `index` on one place up, then put the
    // icon in. Swapping images instead loses the picture moved down (seen under Wine).
    for (int i = last; i > index; --i) ImageList_Copy(handle_, i, handle_, i - 1, ILCF_MOVE);
    if (index < last) ImageList_ReplaceIcon(handle_, index, icon.Handle());
}

void ImageList::GetIcon(int index, Icon& icon) const {
    if (index < 0 || index >= Count()) throw EListError("Invalid image index " + std::to_string(index));
    icon.SetHandle(ImageList_GetIcon(handle_, index, ILD_NORMAL));
}

void ImageList::Delete(int index) {
    if (index < 0 || index >= Count()) throw EListError("Invalid image index " + std::to_string(index));
    ImageList_Remove(handle_, index);
}

void ImageList::Clear() { ImageList_RemoveAll(handle_); }

} // namespace ui
