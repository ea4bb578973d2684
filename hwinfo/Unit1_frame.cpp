#include "hwinfo/Unit1.h"

#include "toolkit/Application.h"
#include "toolkit/Seams.h"

namespace corvane {

const std::wstring TForm1::WaitingText = L"Please Wait ....................";

namespace {

const unsigned TypingDelayMs = 50;

} // namespace

TForm1::FrameParts TForm1::Parts(TInfoTab tab) {
    if (tab == TInfoTab::System)
        return {*LV2, *ButtonGroup2, *Panel3, *Label2, SystemHasContent};
    return {*LV1, *ButtonGroup1, *Panel1, *Label1, ComponentHasContent};
}

void TForm1::StartStep(FrameParts parts, const std::wstring& text) {
    parts.buttons.setEnabled(false);
    parts.label.setCaption(L"");
    parts.list.hide();
    print_button->hide();
    parts.panel.show();
    std::wstring typed;
    for (wchar_t ch : text) {
        typed += ch;
        parts.label.setCaption(typed);
        tk::app().processMessages();
        tk::seams().pause(TypingDelayMs);
    }
}

void TForm1::EndStep(FrameParts parts) {
    parts.list.show();
    parts.hasContent = true;
    print_button->show();
    parts.panel.hide();
    parts.label.setCaption(L"");
    parts.buttons.setEnabled(true);
}

void TForm1::prosesbar(const std::wstring& text) {
    StartStep(Parts(TInfoTab::System), text);
}

void TForm1::Tutuppanel() {
    EndStep(Parts(TInfoTab::System));
}

void TForm1::DisplaySlowText(const std::wstring& text) {
    StartStep(Parts(TInfoTab::Component), text);
}

void TForm1::Closepanel() {
    EndStep(Parts(TInfoTab::Component));
}

void TForm1::Standar() {
    RetitleComponentColumns(L"Item", 150, L"Value");
}

// The second column keeps the width it has, also one the user gave it.
void TForm1::RetitleComponentColumns(const std::wstring& first, int firstWidth,
                                     const std::wstring& second) {
    LV1->setColumnTitle(0, first);
    LV1->setColumnWidth(0, firstWidth);
    LV1->setColumnTitle(1, second);
}

int TForm1::AddInfoRow(tk::ListView& list, const TInfoRow& row) {
    tk::ListItem item;
    item.caption = row.Caption;
    if (row.Kind == TInfoRowKind::Data)
        item.subItems.push_back(row.Value);
    item.checked = row.Kind == TInfoRowKind::Data;
    item.imageIndex = row.ImageIndex;
    return list.addItem(std::move(item));
}

// A close asked for during a fill was refused; it comes back once the last fill is over,
// as a posted message, so the window is not destroyed under a running handler.
void TForm1::FillEnded() {
    if (--fillDepth_ == 0 && closePending_) {
        closePending_ = false;
        PostMessageW(handle(), WM_CLOSE, 0, 0);
    }
}

TPageFill::TPageFill(TForm1& form, TInfoTab tab) : form_(form), tab_(tab) {
    ++form_.fillDepth_;
    try {
        form_.StartStep(form_.Parts(tab_), TForm1::WaitingText);
    } catch (...) {
        form_.EndStep(form_.Parts(tab_));
        form_.FillEnded();
        throw;
    }
}

TPageFill::~TPageFill() {
    tk::app().guard([this] { form_.EndStep(form_.Parts(tab_)); });
    form_.FillEnded();
}

} // namespace corvane
