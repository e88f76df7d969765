#include "editor/Frmmain.h"
#include "registry/entry.h"

void TForm1::AssignImageSlots() {
    for (int i = 0; i < ListView1->Items.Count(); ++i) {
        ui::ListItem row = ListView1->Items[i];
        row.SetImageIndex(entry::kFirstEntrySlot + i);
        row.SetStateIndex(entry::kRowStateImage);
    }
}
