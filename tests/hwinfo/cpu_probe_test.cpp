#include "hwinfo/CpuProbe.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

TCpuidFacts Cpu(const char* vendor, std::int32_t maxLeaf, std::uint32_t featureWord) {
    TCpuidFacts cpu;
    cpu.Supported = true;
    cpu.MaxLeaf = maxLeaf;
    cpu.Vendor = vendor;
    cpu.FeatureEdx = featureWord;
    return cpu;
}

TCpuidFacts Intel(std::uint32_t featureWord) {
    return Cpu("GenuineIntel", 1, featureWord);
}

const int FirstFeatureRow = 9;

const TInfoRow& FeatureRow(const std::vector<TInfoRow>& rows, int feature) {
    return rows.at(FirstFeatureRow + feature);
}

void ExpectSameRows(const std::vector<TInfoRow>& expected, const std::vector<TInfoRow>& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].Kind, actual[i].Kind);
        EXPECT_EQ(expected[i].Caption, actual[i].Caption);
        EXPECT_EQ(expected[i].Value, actual[i].Value);
        EXPECT_EQ(expected[i].ImageIndex, actual[i].ImageIndex);
    }
}

} // namespace

TEST(CpuPageRows, FrameRowsAroundTheFeatures) {
    const TCpuIdentity identity = {L"Intel(R)  Pentium(R) 4", L"2400",         L"x86 Family 15",
                                   L"BFEBFBFF00000F29",       L"GenuineIntel", L"Socket 478"};
    const std::vector<TInfoRow> rows = CpuPageRows(identity, Intel(0));
    ASSERT_EQ(30u, rows.size());
    EXPECT_EQ(TInfoRowKind::Heading, rows[0].Kind);
    EXPECT_EQ(L"CPU", rows[0].Caption);
    EXPECT_EQ(1, rows[0].ImageIndex);
    const std::pair<const wchar_t*, const wchar_t*> data[] = {
        {L"Processor", L"Intel(R)Pentium(R) 4"},
        {L"Speed", L"2400 MHz"},
        {L"Model", L"x86 Family 15"},
        {L"Processor ID", L"BFEBFBFF00000F29"},
        {L"Vendor Identifier", L"GenuineIntel"},
        {L"Socket Designation", L"Socket 478"}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(TInfoRowKind::Data, rows[i + 1].Kind);
        EXPECT_EQ(data[i].first, rows[i + 1].Caption);
        EXPECT_EQ(data[i].second, rows[i + 1].Value);
        EXPECT_EQ(-1, rows[i + 1].ImageIndex);
    }
    EXPECT_EQ(TInfoRowKind::Blank, rows[7].Kind);
    EXPECT_EQ(L"", rows[7].Caption);
    EXPECT_EQ(TInfoRowKind::Heading, rows[8].Kind);
    EXPECT_EQ(L"CPU Feature", rows[8].Caption);
    EXPECT_EQ(1, rows[8].ImageIndex);
}

TEST(CpuPageRows, UnreadableIdentityLeavesTheUnitAlone) {
    const std::vector<TInfoRow> rows = CpuPageRows({}, Intel(0));
    EXPECT_EQ(L"", rows[1].Value);
    EXPECT_EQ(L" MHz", rows[2].Value);
}

TEST(CpuPageRows, PresentFeaturesShowTheProbeTextAbsentOnesThePageCaption) {
    const std::vector<TInfoRow> rows = CpuPageRows({}, Intel(0x1));
    EXPECT_EQ(L"On-Chip FPU", FeatureRow(rows, 0).Caption);
    EXPECT_EQ(L"Yes", FeatureRow(rows, 0).Value);
    EXPECT_EQ(L"Virtual Mode Extensions", FeatureRow(rows, 1).Caption);
    EXPECT_EQ(L"No", FeatureRow(rows, 1).Value);
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(TInfoRowKind::Data, FeatureRow(rows, i).Kind);
        EXPECT_EQ(-1, FeatureRow(rows, i).ImageIndex);
    }
}

TEST(CpuPageRows, EveryShownBitHasItsOwnRow) {
    const std::uint32_t shown = 0x0387FBFF;
    const std::vector<TInfoRow> all = CpuPageRows({}, Intel(shown));
    const std::vector<TInfoRow> none = CpuPageRows({}, Intel(0));
    for (int i = 0; i < 21; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(CpuFeatures[i].PresentText, FeatureRow(all, i).Caption);
        EXPECT_EQ(L"Yes", FeatureRow(all, i).Value);
        EXPECT_EQ(CpuFeatures[i].AbsentCaption, FeatureRow(none, i).Caption);
        EXPECT_EQ(L"No", FeatureRow(none, i).Value);
        const std::vector<TInfoRow> single = CpuPageRows({}, Intel(CpuFeatures[i].Mask));
        for (int j = 0; j < 21; ++j)
            EXPECT_EQ(i == j ? L"Yes" : L"No", FeatureRow(single, j).Value);
    }
}

TEST(CpuPageRows, IgnoredBitsChangeNothing) {
    const std::uint32_t ignored = 0xFC780400; // bits 10, 19 to 22 and 26 to 31
    ExpectSameRows(CpuPageRows({}, Intel(0)), CpuPageRows({}, Intel(ignored)));
    ExpectSameRows(CpuPageRows({}, Intel(0x1)), CpuPageRows({}, Intel(ignored | 0x1)));
}

TEST(CpuPageRows, OtherVendorsWithoutLeafOneAndMissingCpuidShowTheirStatusLine) {
    TCpuidFacts noCpuid;
    const struct {
        TCpuidFacts cpu;
        const wchar_t* status;
    } cases[] = {{Cpu("AuthenticAMD", 0, 0xFFFFFFFF), L"Non-Intel or >486 Chip - Features Unknown"},
                 {Cpu("GenuineIntex", 0, 0xFFFFFFFF), L"Non-Intel or >486 Chip - Features Unknown"},
                 {noCpuid, L"No CPUID Support"}};
    for (const auto& c : cases) {
        const std::vector<TInfoRow> rows = CpuPageRows({}, c.cpu);
        ASSERT_EQ(30u, rows.size());
        for (int i = 0; i < 21; ++i) {
            EXPECT_EQ(c.status, FeatureRow(rows, i).Caption);
            EXPECT_EQ(L"", FeatureRow(rows, i).Value);
        }
    }
}

TEST(CpuPageRows, IntelWithoutLeafOneHasNoFeatures) {
    ExpectSameRows(CpuPageRows({}, Intel(0)), CpuPageRows({}, Cpu("GenuineIntel", 0, 0xFFFFFFFF)));
    ExpectSameRows(CpuPageRows({}, Intel(0)), CpuPageRows({}, Cpu("GenuineIntel", -1, 0xFFFFFFFF)));
}

TEST(CpuFeatureProbe, ReportsWhichCaseItMet) {
    EXPECT_EQ(TCpuProbeOutcome::Present, CpuFeatureProbe(CpuFeatures[4], Intel(0x10)).Outcome);
    EXPECT_EQ(TCpuProbeOutcome::Absent, CpuFeatureProbe(CpuFeatures[4], Intel(0x8)).Outcome);
    EXPECT_EQ(TCpuProbeOutcome::NonIntel,
              CpuFeatureProbe(CpuFeatures[4], Cpu("AuthenticAMD", 0, 0x10)).Outcome);
    EXPECT_EQ(TCpuProbeOutcome::NoCpuid, CpuFeatureProbe(CpuFeatures[4], TCpuidFacts{}).Outcome);
}

TEST(NormaliseProcessorName, RemovesPairsOfBlanksRepeatedly) {
    EXPECT_EQ(L"IntelPentium", NormaliseProcessorName(L"Intel          Pentium"));
    EXPECT_EQ(L"IntelPentium", NormaliseProcessorName(L"Intel  Pentium"));
    EXPECT_EQ(L"Intel Pentium", NormaliseProcessorName(L"Intel   Pentium"));
    EXPECT_EQ(L"Intel Pentium", NormaliseProcessorName(L"Intel Pentium"));
    EXPECT_EQ(L" Intel", NormaliseProcessorName(std::wstring(15, L' ') + L"Intel"));
    EXPECT_EQ(L"", NormaliseProcessorName(L""));
}

TEST(ReadCpuid, AgreesWithWmiOnTheVendor) {
    const TCpuidFacts cpu = ReadCpuid();
    ASSERT_TRUE(cpu.Supported);
    EXPECT_GE(cpu.MaxLeaf, 1);
    ASSERT_EQ(12u, cpu.Vendor.size());
    const std::wstring vendor(cpu.Vendor.begin(), cpu.Vendor.end());
    EXPECT_EQ(vendor, ReadCpuIdentity().Manufacturer);
}
