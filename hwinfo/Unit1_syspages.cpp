#include "hwinfo/Unit1_syspages.h"

#include "hwinfo/Unit1.h"

void ShowSystemRows(TForm1& form, const std::vector<TInfoRow>& rows, bool withImages) {
    tk::ListView& list = *form.LV2;
    list.clear();
    if (withImages)
        list.setSmallImages(&form.ImageList3);
    list.beginUpdate();
    for (const TInfoRow& row : rows)
        form.AddInfoRow(list, row);
    list.endUpdate();
}
