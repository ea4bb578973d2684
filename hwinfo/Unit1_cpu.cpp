#include "hwinfo/Unit1.h"

namespace corvane {

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
    ShowSystemRows(*this,
                   CpuPageRows(ReadOrEmpty(CpuSources.identity), ReadOrEmpty(CpuSources.cpuid)),
                   TFirstRow::Selected);
}

} // namespace corvane
