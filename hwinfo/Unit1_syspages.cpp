#include "hwinfo/Unit1_syspages.h"

#include "hwinfo/Unit1.h"

namespace corvane {

void ShowSystemRows(TForm1& form, const std::vector<TInfoRow>& rows, TFirstRow firstRow) {
    ShowPageRows(form, *form.LV2, &form.ImageList3, rows, firstRow);
}

} // namespace corvane
