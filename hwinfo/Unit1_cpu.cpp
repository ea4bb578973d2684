#include "hwinfo/Unit1.h"

namespace {

// The source's answer, or what it gives when nothing can be read (empty texts, no CPUID).
template <class T> T ReadOrEmpty(const std::function<T()>& source) {
    try {
        return source();
    } catch (const std::exception&) {
        return T{};
    }
}

} // namespace

void TForm1::Action12Execute() {
    TPageFill fill(*this, TInfoTab::System);
    LV2->setSmallImages(&ImageList3);
    LV2->clear();
    const std::vector<TInfoRow> rows =
        CpuPageRows(ReadOrEmpty(CpuSources.identity), ReadOrEmpty(CpuSources.cpuid));
    LV2->beginUpdate();
    for (const TInfoRow& row : rows)
        AddInfoRow(*LV2, row);
    LV2->endUpdate();
    LV2->setItemIndex(0);
    LV2->makeVisible(0);
}
