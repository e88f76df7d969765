#pragma once

#include "ui/component.h"
#include "ui/icon.h"

#include <commctrl.h>

namespace ui {

// An image list of one size. It keeps its own copies of the icons given to it, scaled to its size.
class ImageList : public Component {
public:
    ImageList(Component* owner, int width, int height);
    ~ImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    HIMAGELIST Handle() const { return handle_; } // still owned by the list

    // Appends the icon; the new image's index, or -1 when the icon holds no usable picture.
    int AddIcon(const Icon& icon);
    // Puts the icon at `index`, moving the images from there on one place up.
    void InsertIcon(int index, const Icon& icon);
    // Replaces `icon`'s handle with a copy of image `index`; raises EListError for a bad index.
    void GetIcon(int index, Icon& icon) const;
    void Delete(int index);
    void Clear();

private:
    int width_, height_;
    HIMAGELIST handle_;
};

} // namespace ui
