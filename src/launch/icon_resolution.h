// Where entry icons come from: a file's first icon, the folder test, the associated program's
// icon; and appending one picture to both of the main form's image lists at once.
#pragma once

#include "ui/image_list.h"

#include <string>

namespace launch {

// The first icon stored in the file (a program, library or icon file); empty when it has none.
ui::Icon ExtractFirstIcon(const std::string& path);

// True when the path names an existing folder.
bool NamesFolder(const std::string& path);

// The first icon of the program the shell associates with the file; empty when there is none.
ui::Icon AssociatedProgramIcon(const std::string& path);

// Appends the icon to both lists, or to neither, so their slots stay equal. False when the icon
// holds no usable picture.
bool AppendToBoth(ui::ImageList& small, ui::ImageList& large, const ui::Icon& icon);

} // namespace launch
