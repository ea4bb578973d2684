#pragma once

#include "hwinfo/Un_Tambahan.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// What the CPUID instruction reports.
struct TCpuidFacts {
    bool Supported = false;       // the processor has the instruction
    std::int32_t MaxLeaf = 0;     // highest standard leaf (EAX of leaf 0)
    std::string Vendor;           // EBX, EDX, ECX of leaf 0, such as "GenuineIntel"
    std::uint32_t FeatureEdx = 0; // EDX of leaf 1; 0 when leaf 1 is not available
};

// One processor feature: its bit in the feature word, the text shown when present and the
// caption shown when absent.
struct TCpuFeature {
    std::uint32_t Mask;
    const wchar_t* PresentText;
    const wchar_t* AbsentCaption;
};

// The features in the order the CPU page lists them.
extern const std::array<TCpuFeature, 21> CpuFeatures;

enum class TCpuProbeOutcome { Present, Absent, NonIntel, NoCpuid };

// Outcome of one feature probe; Text is the feature text (Present), the status line
// (NonIntel, NoCpuid) or empty (Absent).
struct TCpuProbeResult {
    TCpuProbeOutcome Outcome;
    std::wstring Text;
};

// Features are known for every processor with leaf 1; without it, a "GenuineIntel"
// processor has none and any other one reports its features unknown.
TCpuProbeResult CpuFeatureProbe(const TCpuFeature& feature, const TCpuidFacts& cpu);

// Executes CPUID leaves 0 and 1.
TCpuidFacts ReadCpuid();

// The Win32_Processor properties the CPU page shows.
struct TCpuIdentity {
    std::wstring Name;
    std::wstring CurrentClockSpeed;
    std::wstring Caption;
    std::wstring ProcessorId;
    std::wstring Manufacturer;
    std::wstring SocketDesignation;
};

TCpuIdentity ReadCpuIdentity();

// The name with every pair of blanks removed until none is left: an even run of blanks
// vanishes, an odd one shrinks to one blank.
std::wstring NormaliseProcessorName(const std::wstring& name);

// The CPU page's 30 rows: heading "CPU", six identity rows, a blank row, heading
// "CPU Feature" and one row per feature. The first row is the one the page keeps selected.
std::vector<TInfoRow> CpuPageRows(const TCpuIdentity& identity, const TCpuidFacts& cpu);

} // namespace corvane
