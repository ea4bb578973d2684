// The buttons under the category pages: select or unselect all, remove the
// checked findings, refresh. The shared set acts on the page of PrivacyPageType.
#include "cleaner/Categories.h"

#include "toolkit/Application.h"

namespace tidewell {

namespace {

// Removes the checked findings of a results row's category, then shows the count
// left on the page, in the words the page opened with, and in the results row. A
// category without a remove action leaves all as it is.
void RemoveChecked(TForm1& form, int row) {
    const auto& remove = form.ActionManager1[row].remove;
    if (!remove)
        return;
    form.RunFlow([&form, &remove, row] {
        const StatusTexts& texts = CategoryOf(row).page;
        form.statustext->setCaption(texts.repairing);
        tk::app().answerStep();
        form.ActionStatus.clear();
        remove();
        form.ShowPageCount(row, !IsRegistryRow(row));
        form.statustext->setCaption(form.ActionStatus.empty() ? texts.repaired
                                                              : L"Status : " + form.ActionStatus);
    });
}

} // namespace

bool TForm1::ToggleSelectAll(tk::Control& button, tk::ListView& list) {
    const bool check = button.caption() != L"Unselect All";
    for (int row = 0; row < list.count(); ++row)
        list.setChecked(row, check);
    button.setCaption(check ? L"Unselect All" : L"Select All");
    return check;
}

void TForm1::OBsp1Click() {
    ToggleSelectAll(*OBsp1, *lvsp);
}
void TForm1::OBue1Click() {
    ToggleSelectAll(*OBue1, *lvue);
}
void TForm1::OBpc1Click() {
    ToggleSelectAll(*OBpc1, *lvpc);
}
void TForm1::OBfe1Click() {
    ToggleSelectAll(*OBfe1, *lvfe);
}
void TForm1::OBax1Click() {
    ToggleSelectAll(*OBax1, *lvax);
}
void TForm1::OBda1Click() {
    ToggleSelectAll(*OBda1, *LV2);
}
void TForm1::OBco1Click() {
    ToggleSelectAll(*OBco1, *lvco);
}

void TForm1::OBsp3Click() {
    RemoveChecked(*this, StartupRow);
}

void TForm1::OBue3Click() {
    RemoveChecked(*this, UninstallRow);
}

void TForm1::OBfe3Click() {
    RemoveChecked(*this, ExtensionsRow);
}

void TForm1::OBax3Click() {
    RemoveChecked(*this, ActiveXRow);
}

void TForm1::OBpc3Click() {
    RemoveChecked(*this, DocumentsRow);
}

void TForm1::OBco3Click() {
    RemoveChecked(*this, CookiesRow);
}

void TForm1::OBda3Click() {
    RemoveChecked(*this, ProgressiveRow);
}

void TForm1::OBsp4Click() {
    RefreshCategoryPage(StartupRow);
}
void TForm1::OBue4Click() {
    RefreshCategoryPage(UninstallRow);
}
void TForm1::OBfe4Click() {
    RefreshCategoryPage(ExtensionsRow);
}
void TForm1::OBax4Click() {
    RefreshCategoryPage(ActiveXRow);
}
void TForm1::OBvd4Click() {
    RefreshCategoryPage(VirtualRow);
}
void TForm1::OBpc4Click() {
    RefreshCategoryPage(DocumentsRow);
}
void TForm1::OBco4Click() {
    RefreshCategoryPage(CookiesRow);
}
void TForm1::OBda4Click() {
    RefreshCategoryPage(ProgressiveRow);
}

void TForm1::OBhis1Click() {
    const int row = SharedPageRow(PrivacyPageType);
    if (row != 0)
        SelectAllState[PrivacyPageType] = ToggleSelectAll(*OBhis1, CategoryList(row));
}

void TForm1::OBhis3Click() {
    const int row = SharedPageRow(PrivacyPageType);
    if (row != 0)
        RemoveChecked(*this, row);
}

void TForm1::OBhis4Click() {
    const int row = SharedPageRow(PrivacyPageType);
    if (row != 0)
        RefreshCategoryPage(row);
}

} // namespace tidewell
