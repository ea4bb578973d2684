#pragma once
// A test with Tidewell's main window, made after the settings are cleared and freed
// before they are put back.

#include "tidewell_fixture.h"

#include <algorithm>
#include <initializer_list>
#include <map>

namespace scantest {

class FormTest : public twtest::TidewellTest {
  protected:
    void SetUp() override {
        TidewellTest::SetUp();
        form = std::make_unique<TForm1>();
    }
    void TearDown() override {
        form.reset();
        TidewellTest::TearDown();
    }

    std::unique_ptr<TForm1> form;
};

// The width a text that sizes itself to its caption takes: the caption and a pixel each side.
inline int CaptionWidth(const tk::Control& text) {
    tk::MemoryCanvas canvas(1, 1);
    canvas.setFont(text.font());
    return canvas.textWidth(text.caption()) + 2;
}

// Tests around the results list: its rows checked at will, its counts read, and scan
// and remove actions replaced by fakes that record how often each scan ran and the
// status text each action ran under.
class ResultsTest : public FormTest {
  protected:
    // Checks the given rows of the results list and unchecks all others.
    void checkOnly(std::initializer_list<int> rows) {
        for (int row = 0; row < form->lvall->count(); ++row)
            form->lvall->setChecked(row, std::find(rows.begin(), rows.end(), row) != rows.end());
    }
    std::wstring resultsCount(int row) const { return form->lvall->subItem(row, 0); }

    // The scan action fills the list with `findings` checked rows; returns the number
    // of times it ran.
    int& fakeScan(const wchar_t* action, tk::ListView& list, int findings) {
        int& runs = scanRuns[action];
        form->ActionManager1[action].onExecute = [this, &list, findings, action, &runs] {
            ++runs;
            statusDuring[action] = form->statustext->caption();
            form->RunScanFrame(list, {{L"Name", 100}}, [&] {
                for (int i = 0; i < findings; ++i)
                    form->AddFinding(list, L"finding " + std::to_wstring(i), {L"", L"", L"x"});
            });
        };
        return runs;
    }
    // The remove action deletes every checked row.
    void fakeRemove(const wchar_t* action, tk::ListView& list) {
        form->ActionManager1[action].onExecute = [this, &list, action] {
            statusDuring[action] = form->statustext->caption();
            form->RunRemoveFrame(
                list, [](const tk::ListItem&) { return TForm1::RemoveOutcome::Removed; });
        };
    }

    std::map<std::wstring, int> scanRuns;
    std::map<std::wstring, std::wstring> statusDuring;
};

} // namespace scantest
