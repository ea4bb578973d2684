#include "hwinfo/CpuProbe.h"

#include "registry/RegHelpers.h"

#include <cpuid.h>

#include <cstring>

namespace corvane {

const std::array<TCpuFeature, 21> CpuFeatures = {{
    {0x1, L"On-Chip FPU", L"On Chip FPU"},
    {0x2, L"VirtualMode Extensions", L"Virtual Mode Extensions"},
    {0x4, L"Debugging Extensions", L"Debugging Extensions"},
    {0x8, L"Page Size Extensions", L"Page Size Extensions"},
    {0x10, L"Time Stamp Counter", L"Time Stamp Counter"},
    {0x20, L"Model Specific Registers", L"Model Specific Registers"},
    {0x40, L"Physical Address Extensions", L"Physical Address Extensions"},
    {0x80, L"Machine Check Extensions", L"Machine Check Extensions"},
    {0x100, L"CMPXCHG8B Instruction", L"CMPXCHG8B Instruction"},
    {0x200, L"On Chip APIC", L"On Chip APIC"},
    {0x800, L"Fast System Call", L"Fast System Call"},
    {0x1000, L"Memory Type Range Registers", L"Memory Type Range Registers"},
    {0x2000, L"Page Global Enable", L"Page Global Enable"},
    {0x4000, L"Machine Check Architecture", L"Machine Check Architecture"},
    {0x8000, L"Conditional Move Instruction", L"Conditional Move Instruction"},
    {0x10000, L"Page Attribute Table", L"Page Attribute Table"},
    {0x20000, L"32 Bit Page Size Extension", L"32 Bit Page Size Extension"},
    {0x40000, L"Processor Serial Number", L"Processor Serial Number"},
    {0x800000, L"Intel MMX Technology", L"Intel MMX Technology"},
    {0x1000000, L"Fast Floating Point Save and Restore", L"Fast Floating Point Save and Restore"},
    {0x2000000, L"Streaming SIMD Extensions", L"Streaming SIMD Extensions"},
}};

namespace {

const int CpuImageIndex = 1;

TInfoRow FeatureRow(const TCpuFeature& feature, const TCpuidFacts& cpu) {
    const TCpuProbeResult probe = CpuFeatureProbe(feature, cpu);
    switch (probe.Outcome) {
    case TCpuProbeOutcome::Present:
        return DataRow(probe.Text, L"Yes");
    case TCpuProbeOutcome::Absent:
        return DataRow(feature.AbsentCaption, L"No");
    default:
        return DataRow(probe.Text, L"");
    }
}

} // namespace

TCpuProbeResult CpuFeatureProbe(const TCpuFeature& feature, const TCpuidFacts& cpu) {
    if (!cpu.Supported)
        return {TCpuProbeOutcome::NoCpuid, L"No CPUID Support"};
    const bool hasFeatureWord = cpu.MaxLeaf >= 1;
    if (!hasFeatureWord && cpu.Vendor != "GenuineIntel")
        return {TCpuProbeOutcome::NonIntel, L"Non-Intel or >486 Chip - Features Unknown"};
    const std::uint32_t featureWord = hasFeatureWord ? cpu.FeatureEdx : 0;
    if ((featureWord & feature.Mask) == feature.Mask)
        return {TCpuProbeOutcome::Present, feature.PresentText};
    return {TCpuProbeOutcome::Absent, L""};
}

TCpuidFacts ReadCpuid() {
    TCpuidFacts cpu;
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid_max(0, nullptr) == 0)
        return cpu;
    cpu.Supported = true;
    __cpuid(0, eax, ebx, ecx, edx);
    cpu.MaxLeaf = static_cast<std::int32_t>(eax);
    char vendor[12];
    std::memcpy(vendor, &ebx, 4);
    std::memcpy(vendor + 4, &edx, 4);
    std::memcpy(vendor + 8, &ecx, 4);
    cpu.Vendor.assign(vendor, 12);
    if (cpu.MaxLeaf >= 1) {
        __cpuid(1, eax, ebx, ecx, edx);
        cpu.FeatureEdx = edx;
    }
    return cpu;
}

TCpuIdentity ReadCpuIdentity() {
    const auto property = [](const wchar_t* name) {
        return LocalWmiProperty(L"Win32_Processor", name);
    };
    return {property(L"Name"),         property(L"CurrentClockSpeed"),
            property(L"Caption"),      property(L"ProcessorId"),
            property(L"Manufacturer"), property(L"SocketDesignation")};
}

std::wstring NormaliseProcessorName(const std::wstring& name) {
    return RemoveText(L"  ", name);
}

std::vector<TInfoRow> CpuPageRows(const TCpuIdentity& identity, const TCpuidFacts& cpu) {
    std::vector<TInfoRow> rows = {
        HeadingRow(L"CPU", CpuImageIndex),
        DataRow(L"Processor", NormaliseProcessorName(identity.Name)),
        DataRow(L"Speed", identity.CurrentClockSpeed + L" MHz"),
        DataRow(L"Model", identity.Caption),
        DataRow(L"Processor ID", identity.ProcessorId),
        DataRow(L"Vendor Identifier", identity.Manufacturer),
        DataRow(L"Socket Designation", identity.SocketDesignation),
        BlankRow(),
        HeadingRow(L"CPU Feature", CpuImageIndex),
    };
    for (const TCpuFeature& feature : CpuFeatures)
        rows.push_back(FeatureRow(feature, cpu));
    return rows;
}

} // namespace corvane
