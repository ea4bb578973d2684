#include "privacy_test_support.h"

#include <chrono>
#include <map>
#include <thread>

namespace {

using Outcome = TForm1::RemoveOutcome;

class SerialActionFrame : public scantest::FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        tk::seams().pause = [this](unsigned ms) { pauses.push_back(ms); };
        list = form->lvue.get();
    }

    void addRow(const std::wstring& caption, bool checked) {
        form->AddFinding(*list, caption, {L"report", L"detail", L"HKCU\\Software\\x"});
        list->setChecked(list->count() - 1, checked);
    }
    std::vector<std::wstring> captions() const { return privacytest::Captions(*list); }
    // Removes with the given outcome per caption, recording what it was asked to delete.
    void remove(const std::map<std::wstring, Outcome>& outcomes) {
        form->RunRemoveFrame(*list, [&](const tk::ListItem& row) {
            deleted.push_back(row.caption);
            const auto found = outcomes.find(row.caption);
            return found == outcomes.end() ? Outcome::Removed : found->second;
        });
    }

    tk::ListView* list = nullptr;
    std::vector<unsigned> pauses;
    std::vector<std::wstring> deleted;
};

TEST_F(SerialActionFrame, EmptyScanKeepsItsColumnsAndCountsZero) {
    addRow(L"old", true);
    form->LastFoundCount = 7;
    form->RunScanFrame(*list, {{L"Error Items", 200}, {L"Repair Report", 200}},
                       [&] { form->AdvanceProgress(0, 30); });
    EXPECT_EQ(0, list->count());
    EXPECT_EQ(2, list->columnCount());
    EXPECT_EQ(0, form->LastFoundCount);
    EXPECT_EQ(std::vector<unsigned>(31, 30), pauses);
    EXPECT_EQ(0, form->PB->position());
    EXPECT_EQ(tk::Cursor::Default, tk::app().cursor());
}

// The fixed pauses keep their length, but the window answers during them.
TEST_F(SerialActionFrame, ProgressPausesLetPendingMessagesRun) {
    tk::seams().pause = [](unsigned ms) { Sleep(ms); };
    const scantest::PostedMessageProbe probe([this] { return form->PB->position() < 30; });
    form->AdvanceProgress(0, 30);
    EXPECT_TRUE(probe.seenDuringTheAction());
}

// A message sent from elsewhere is answered within a step, and the step keeps its length.
TEST_F(SerialActionFrame, MessageSentDuringAStepIsAnsweredAtOnce) {
    using namespace std::chrono;
    tk::seams().pause = [](unsigned ms) { tk::app().answerFor(ms); };
    steady_clock::duration waited{};
    std::thread sender([&, window = form->handle()] {
        Sleep(100);
        const steady_clock::time_point sent = steady_clock::now();
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
        waited = steady_clock::now() - sent;
    });
    const steady_clock::time_point start = steady_clock::now();
    form->AdvanceProgress(0, 0, 500);
    EXPECT_GE(duration_cast<milliseconds>(steady_clock::now() - start).count(), 500);
    sender.join();
    EXPECT_LT(duration_cast<milliseconds>(waited).count(), 150);
}

TEST_F(SerialActionFrame, NothingCheckedKeepsTheRowsInOrder) {
    addRow(L"a", false);
    addRow(L"b=c", false);
    addRow(L"d", false);
    remove({});
    EXPECT_TRUE(deleted.empty());
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"b=c", L"d"}), captions());
    for (int row = 0; row < list->count(); ++row)
        EXPECT_FALSE(list->checked(row));
    EXPECT_EQ(3, form->LastFoundCount);
    EXPECT_EQ(102u, pauses.size());
}

TEST_F(SerialActionFrame, CheckedRowsGoAndUncheckedStay) {
    addRow(L"a", true);
    addRow(L"b", false);
    addRow(L"c", true);
    remove({});
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"c"}), deleted);
    EXPECT_EQ((std::vector<std::wstring>{L"b"}), captions());
    EXPECT_EQ(1, form->LastFoundCount);
}

TEST_F(SerialActionFrame, FailedDeletionKeepsItsRowChecked) {
    addRow(L"a", true);
    addRow(L"stuck", true);
    addRow(L"c", false);
    remove({{L"stuck", Outcome::Survived}});
    EXPECT_EQ((std::vector<std::wstring>{L"stuck", L"c"}), captions());
    EXPECT_TRUE(list->checked(0));
    EXPECT_FALSE(list->checked(1));
    EXPECT_EQ(2, form->LastFoundCount);
}

TEST_F(SerialActionFrame, FindingThatNoLongerQualifiesLeavesTheList) {
    addRow(L"fixed meanwhile", true);
    remove({{L"fixed meanwhile", Outcome::NoLongerFound}});
    EXPECT_EQ(0, list->count());
    EXPECT_EQ(0, form->LastFoundCount);
}

// An empty caption names a default value: whether it may go is the category's call.
TEST_F(SerialActionFrame, EmptyNameIsLeftToTheCategory) {
    addRow(L"", true);
    addRow(L"a", true);
    remove({});
    EXPECT_EQ((std::vector<std::wstring>{L"", L"a"}), deleted);
    EXPECT_EQ(0, list->count());
}

TEST(ParseRegistryLocation, SplitsTheRootFromTheKey) {
    HKEY root = nullptr;
    std::wstring path;
    ASSERT_TRUE(TForm1::ParseRegistryLocation(L"HKCU\\Software\\Run", root, path));
    EXPECT_EQ(HKEY_CURRENT_USER, root);
    EXPECT_EQ(L"Software\\Run", path);
    ASSERT_TRUE(TForm1::ParseRegistryLocation(L"HKLM\\Software\\Run", root, path));
    EXPECT_EQ(HKEY_LOCAL_MACHINE, root);
    ASSERT_TRUE(TForm1::ParseRegistryLocation(L"HKCR\\.txt", root, path));
    EXPECT_EQ(HKEY_CLASSES_ROOT, root);
}

TEST(ParseRegistryLocation, RefusesOtherRootsAndEmptyKeyNames) {
    HKEY root = nullptr;
    std::wstring path;
    EXPECT_FALSE(TForm1::ParseRegistryLocation(L"HKU\\x", root, path));
    EXPECT_FALSE(TForm1::ParseRegistryLocation(L"HKCU\\", root, path));
    EXPECT_FALSE(TForm1::ParseRegistryLocation(L"HKCU\\Software\\", root, path));
    EXPECT_FALSE(TForm1::ParseRegistryLocation(L"", root, path));
}

} // namespace
