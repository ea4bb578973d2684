#include "hwinfo/Unit1.h"

#include "hwinfo/print.h"

namespace corvane {

namespace {

// Each row as printing writes it: data rows as caption, " : " and value.
std::vector<std::wstring> PrintedRowLines(const tk::ListView& list, const std::wstring& indent) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < list.count(); ++i) {
        const tk::ListItem& row = list.item(i);
        std::wstring line = indent + row.caption;
        if (row.checked)
            line += L" : " + list.subItem(i, 0);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace

void TForm1::print_buttonClick() {
    if (!print_form)
        return;
    std::vector<std::wstring> rowLines;
    switch (PageControl1->activePage()) {
    case 0:
        rowLines = PrintedRowLines(*LV2, std::wstring(8, L' '));
        break;
    case 1:
        rowLines = PrintedRowLines(*LV1, std::wstring(9, L' '));
        break;
    default:
        break;
    }
    print_form->ShowPages(BuildPreviewPages(rowLines, MakerSite));
}

} // namespace corvane
