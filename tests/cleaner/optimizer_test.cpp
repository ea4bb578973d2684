#include "cleaner/registry_scan/Optimizer.h"
#include "form_test.h"

#include <sstream>

using scantest::SetString;

namespace {

// Every key, value name, type and data below a key, down to the given depth.
std::wstring Snapshot(HKEY root, const std::wstring& path, int depth) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return L"<closed>";
    std::wostringstream text;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = 16384;
        DWORD type = 0;
        BYTE data[4096];
        DWORD size = sizeof(data);
        const LSTATUS result =
            RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &size);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        text << L"v " << name << L' ' << type << L' '
             << std::wstring(reinterpret_cast<wchar_t*>(data), size / sizeof(wchar_t)) << L'\n';
    }
    for (DWORD index = 0; depth > 0; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        text << L"k " << name << L" {\n"
             << Snapshot(root, path + L"\\" + name, depth - 1) << L"}\n";
    }
    RegCloseKey(key);
    return text.str();
}

TEST(OptimizerHivesTest, VistaWalksOnlyTheUserHive) {
    const std::vector<OptimizerHive> vista = OptimizerHives(L"Windows Vista (TM) Ultimate");
    ASSERT_EQ(1u, vista.size());
    EXPECT_EQ(HKEY_CURRENT_USER, vista[0].root);
    EXPECT_EQ(1u, OptimizerHives(L"WINDOWS VISTA").size());
    const std::vector<OptimizerHive> xp = OptimizerHives(L"Microsoft Windows XP");
    ASSERT_EQ(2u, xp.size());
    EXPECT_EQ(HKEY_LOCAL_MACHINE, xp[1].root);
    EXPECT_EQ(L"\\SOFTWARE\\Microsoft\\Windows", xp[1].base);
    EXPECT_EQ(L"HKLM\\SOFTWARE\\Microsoft\\Windows\\", xp[1].prefix);
    EXPECT_EQ(L"Current Hives: 2 of 2 - HKEY_LOCAL_MACHINE", xp[1].hiveText);
}

class SerialOptimizer : public scantest::FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        // K1: values v1, v2 and K1\K2\K3\K4\K5; L1: empty; M1: one value and two subkeys.
        seed(L"K1", L"v1");
        seed(L"K1", L"v2");
        seed(L"K1\\K2\\K3\\K4", L"v4");
        seed(L"K1\\K2\\K3\\K4\\K5", L"v5");
        RegCloseKey(scantest::OpenKey(HKEY_CURRENT_USER, base + L"\\L1"));
        seed(L"M1", L"m");
        RegCloseKey(scantest::OpenKey(HKEY_CURRENT_USER, base + L"\\M1\\A"));
        RegCloseKey(scantest::OpenKey(HKEY_CURRENT_USER, base + L"\\M1\\B"));
        SetString(HKEY_CURRENT_USER, base, L"baseValue", L"x");
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, base.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, base.c_str());
        FormTest::TearDown();
    }

    void seed(const std::wstring& path, const std::wstring& name) {
        SetString(HKEY_CURRENT_USER, base + L"\\" + path, name, L"data of " + name);
    }
    OptimizerHive testHive() const {
        return {HKEY_CURRENT_USER, L"\\" + base, L"HKCU\\" + base + L"\\", L"Current Hives: test"};
    }

    const std::wstring base = L"Software\\TwTest\\" + scantest::UniqueName(L"Optimizer");
};

TEST_F(SerialOptimizer, WalksFourLevelsValuesBeforeSubkeys) {
    std::vector<std::wstring> visits;
    const OptimizerVisitor recorder{
        [&](const std::wstring& path, int level, int index, int count) {
            visits.push_back(L"key " + path + L" " + std::to_wstring(level) + L" " +
                             std::to_wstring(index) + L"/" + std::to_wstring(count));
        },
        [&](const std::wstring& name, int index, int count) {
            visits.push_back(L"value " + name + L" " + std::to_wstring(index) + L"/" +
                             std::to_wstring(count));
        }};
    WalkOptimizerHive(HKEY_CURRENT_USER, L"\\" + base, recorder);
    EXPECT_EQ((std::vector<std::wstring>{L"key K1 1 0/3", L"value v1 0/2", L"value v2 1/2",
                                         L"key K1\\K2 2 0/1", L"key K1\\K2\\K3 3 0/1",
                                         L"key K1\\K2\\K3\\K4 4 0/1", L"value v4 0/1",
                                         L"key L1 1 1/3", L"key M1 1 2/3", L"value m 0/1",
                                         L"key M1\\A 2 0/2", L"key M1\\B 2 1/2"}),
              visits);
}

TEST_F(SerialOptimizer, PageShowsKeysValuesAndBars) {
    const OptimizerVisitor page = OptimizerPageVisitor(*form, L"P\\");
    form->PBHive->setPosition(0);
    page.key(L"K1", 1, 2, 5);
    EXPECT_EQ(L"P\\K1", form->labelnode->caption());
    EXPECT_EQ(4, form->PBHive->max());
    EXPECT_EQ(2, form->PBHive->position());
    page.key(L"K1\\K2\\K3", 3, 0, 1);
    EXPECT_EQ(L"P\\K1\\K2\\K3", form->labelnode->caption());
    EXPECT_EQ(4, form->PBHive->max());
    EXPECT_EQ(2, form->PBHive->position());
    page.value(L"v1", 1, 3);
    EXPECT_EQ(L"v1", form->labelvalues->caption());
    EXPECT_EQ(2, form->PBNodes->max());
    EXPECT_EQ(1, form->PBNodes->position());
}

TEST_F(SerialOptimizer, WalkEndsWithFullBarsAndChangesNothing) {
    const std::wstring before = Snapshot(HKEY_CURRENT_USER, base, 6);
    RunOptimizer(*form, {testHive()});
    EXPECT_EQ(before, Snapshot(HKEY_CURRENT_USER, base, 6));
    for (ctl::TFrameProgressBar* bar : {form->PBHive.get(), form->PBNodes.get()}) {
        EXPECT_EQ(10, bar->max());
        EXPECT_EQ(10, bar->position());
    }
    EXPECT_EQ(L"Optimize Complete: Two Hives Completed", form->Hivetext->caption());
    EXPECT_EQ(L"", form->labelnode->caption());
    EXPECT_EQ(L"Scan Complete...", form->labelvalues->caption());
    for (const ctl::TFocusText* text : {form->Hivetext.get(), form->labelvalues.get()})
        EXPECT_EQ(scantest::CaptionWidth(*text), text->width());
    EXPECT_TRUE(form->labelnode->visible());
    EXPECT_FALSE(form->labeldeep->visible());
    EXPECT_EQ(L"Current Hives: test", form->labeldeep->caption());
}

TEST_F(SerialOptimizer, WindowAnswersDuringTheWalk) {
    const scantest::PostedMessageProbe probe(
        [this] { return form->Hivetext->caption() == L"Current Hives: test"; });
    Sleep(150);
    RunOptimizer(*form, {testHive()});
    EXPECT_TRUE(probe.seenDuringTheAction());
}

TEST_F(SerialOptimizer, OptimizeNowWalksBothHivesReadOnly) {
    const std::wstring userKey = L"Software\\Microsoft\\Windows";
    const std::wstring userBefore = Snapshot(HKEY_CURRENT_USER, userKey, 5);
    const std::wstring machineBefore = Snapshot(HKEY_LOCAL_MACHINE, userKey, 5);
    form->CB1Categories1Items3Click();
    form->OBoptimizeClick();
    EXPECT_EQ(userBefore, Snapshot(HKEY_CURRENT_USER, userKey, 5));
    EXPECT_EQ(machineBefore, Snapshot(HKEY_LOCAL_MACHINE, userKey, 5));
    EXPECT_EQ(L"  Status : Optimizing System Complete", form->statustext->caption());
    EXPECT_EQ(L"Current Hives: 2 of 2 - HKEY_LOCAL_MACHINE", form->labeldeep->caption());
    EXPECT_EQ(L"Optimize Complete: Two Hives Completed", form->Hivetext->caption());
    EXPECT_EQ(10, form->PBHive->position());
}

TEST_F(SerialOptimizer, OptimizeNowWaitsForNoOtherFlow) {
    form->FlowRunning = true;
    form->statustext->setCaption(L"Status : busy");
    form->OBoptimizeClick();
    EXPECT_EQ(L"Status : busy", form->statustext->caption());
    EXPECT_EQ(L"", form->Hivetext->caption());
    form->FlowRunning = false;
}

TEST_F(SerialOptimizer, PageShowsOnTheAboutBackground) {
    form->CB1Categories1Items3Click();
    for (tk::Control* shown :
         std::initializer_list<tk::Control*>{form->Panelabout.get(), form->Panel4.get(),
                                             form->OBhelp.get(), form->OBoptimize.get()})
        EXPECT_TRUE(shown->visible());
    EXPECT_FALSE(form->Panel3->visible());
    EXPECT_FALSE(form->lvall->visible());
    for (ctl::TFrameProgressBar* bar : {form->PBHive.get(), form->PBNodes.get()}) {
        EXPECT_FALSE(bar->showFrame());
        EXPECT_EQ(21, bar->height());
        EXPECT_EQ(bar->parent()->clientHeight() - 2, bar->height());
        EXPECT_EQ(bar->parent()->clientWidth() - 2, bar->width());
    }
}

} // namespace
