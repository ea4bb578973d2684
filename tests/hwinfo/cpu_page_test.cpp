#include "main_window_fixture.h"

#include <stdexcept>

namespace {

TCpuidFacts IntelWithFeatures(std::uint32_t featureWord) {
    TCpuidFacts cpu;
    cpu.Supported = true;
    cpu.MaxLeaf = 1;
    cpu.Vendor = "GenuineIntel";
    cpu.FeatureEdx = featureWord;
    return cpu;
}

class CpuPageTest : public MainWindowTest {
  protected:
    void UseSources(TCpuIdentity identity, TCpuidFacts cpu) {
        form->CpuSources.identity = [identity] { return identity; };
        form->CpuSources.cpuid = [cpu] { return cpu; };
    }
    const tk::ListItem& Row(int index) { return form->LV2->item(index); }
};

} // namespace

TEST_F(CpuPageTest, ShowsIdentityAndFeatureRows) {
    UseSources({L"Intel(R)  Core   i7", L"2400", L"x86 Family 6", L"BFEBFBFF", L"GenuineIntel",
                L"Socket 1"},
               IntelWithFeatures(0x1));
    form->Action12Execute();

    ASSERT_EQ(30, form->LV2->count());
    EXPECT_EQ(L"CPU", Row(0).caption);
    EXPECT_EQ(1, Row(0).imageIndex);
    EXPECT_FALSE(Row(0).checked);
    EXPECT_TRUE(Row(0).subItems.empty());
    EXPECT_EQ(0, form->LV2->itemIndex());
    EXPECT_EQ(L"Intel(R)Core i7", Row(1).subItems.at(0));
    EXPECT_EQ(L"2400 MHz", Row(2).subItems.at(0));
    EXPECT_TRUE(Row(2).checked);
    EXPECT_EQ(-1, Row(2).imageIndex);
    EXPECT_EQ(L"", Row(7).caption);
    EXPECT_FALSE(Row(7).checked);
    EXPECT_EQ(L"CPU Feature", Row(8).caption);
    EXPECT_EQ(L"On-Chip FPU", Row(9).caption);
    EXPECT_EQ(L"Yes", Row(9).subItems.at(0));
    EXPECT_EQ(L"Virtual Mode Extensions", Row(10).caption);
    EXPECT_EQ(L"No", Row(10).subItems.at(0));
    EXPECT_TRUE(form->SystemHasContent);
}

TEST_F(CpuPageTest, ClickedPageDecodesTheFeaturesOfAnyVendorWithLeafOne) {
    for (const char* vendor : {"GenuineIntel", "AuthenticAMD"}) {
        UseSources({}, {true, 1, vendor, 0x178BFBFF});
        ClickPageButton(*form->ButtonGroup2, 2);
        EXPECT_EQ(L"Yes", Row(9).subItems.at(0)) << vendor;
        EXPECT_EQ(L"No", Row(26).subItems.at(0)) << vendor;
    }
}

TEST_F(CpuPageTest, FailingSourcesGiveEmptyValuesAndTheFillStillEnds) {
    form->CpuSources.identity = []() -> TCpuIdentity { throw std::runtime_error("no WMI"); };
    form->CpuSources.cpuid = []() -> TCpuidFacts { throw std::runtime_error("no CPUID"); };
    form->Action12Execute();

    ASSERT_EQ(30, form->LV2->count());
    EXPECT_EQ(L"", Row(1).subItems.at(0));
    EXPECT_EQ(L" MHz", Row(2).subItems.at(0));
    EXPECT_EQ(L"No CPUID Support", Row(9).caption);
    EXPECT_TRUE(form->LV2->visible());
    EXPECT_TRUE(form->ButtonGroup2->enabled());
    EXPECT_TRUE(messages.empty());
}

TEST_F(CpuPageTest, RefillReplacesTheRows) {
    UseSources({}, IntelWithFeatures(0));
    form->Action12Execute();
    form->Action12Execute();
    EXPECT_EQ(30, form->LV2->count());
}
