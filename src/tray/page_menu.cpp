// Paging: the step to the next page and the page menu under N7, whose items 1 to P jump to a page.
#include "editor/Frmmain.h"
#include "tray/paging.h"

void TForm1::NextPage() {
    const tray::PageStep step = tray::NextPage(CurrentPage, ShowCount, ListView1->Items.Count());
    CurrentPage = step.page;
    PutSlotIcons(CurrentPage, false);
    for (int i = 1; i < N7->Count(); ++i)
        N7->Item(i)->Checked = false;
    CheckCurrentPageItem();
}

void TForm1::CheckCurrentPageItem() {
    // A page kept from a larger display count may have no item.
    if (CurrentPage >= 0 && CurrentPage < N7->Count() - 1) N7->Item(CurrentPage + 1)->Checked = true;
}

void TForm1::AppendPageItem(int n) {
    // Items taken out stay owned by the form, so every name made in a run is new.
    auto* item = new ui::MenuItem(this);
    item->Name = "Page" + std::to_string(PageItemCount++);
    item->Caption = std::to_string(n) + "頁へ";
    item->Tag = n;
    item->OnClick = [this](ui::Component* sender) { N10Click(sender); };
    N7->Add(item);
}

void TForm1::BuildPageMenu() {
    const int pages = tray::PageCount(ListView1->Items.Count(), ShowCount);
    for (int n = 1; n <= pages; ++n)
        AppendPageItem(n);
    CheckCurrentPageItem();
}

void TForm1::AddPageItems(int m) {
    const int c = N7->Count();
    for (int i = 0; i < m; ++i)
        AppendPageItem(c + i);
    CheckCurrentPageItem();
}

void TForm1::RemovePageItems(int m) {
    // The heading N10 always stays.
    for (int i = 0; i < m && N7->Count() > 1; ++i)
        N7->Remove(N7->Item(N7->Count() - 1));
}

void TForm1::N10Click(ui::Component* Sender) {
    if (Sender->Tag == 0) return;
    CurrentPage = tray::BeforeShowPage(Sender->Tag);
    NextPage();
}
