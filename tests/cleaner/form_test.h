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

    // The row's scan action fills its list with `findings` checked rows; returns the
    // number of times it ran.
    int& fakeScan(int row, int findings) {
        int& runs = scanRuns[row];
        form->ActionManager1[row].scan = [this, row, findings, &runs] {
            ++runs;
            scanStatus[row] = form->statustext->caption();
            tk::ListView& list = form->CategoryList(row);
            form->RunScanFrame(list, {{L"Name", 100}}, [&] {
                for (int i = 0; i < findings; ++i)
                    form->AddFinding(list, L"finding " + std::to_wstring(i), {L"", L"", L"x"});
            });
        };
        return runs;
    }
    // The row's remove action deletes every checked row.
    void fakeRemove(int row) {
        form->ActionManager1[row].remove = [this, row] {
            removeStatus[row] = form->statustext->caption();
            form->RunRemoveFrame(form->CategoryList(row), [](const tk::ListItem&) {
                return TForm1::RemoveOutcome::Removed;
            });
        };
    }

    std::map<int, int> scanRuns;
    // The status text each faked action ran under, by row.
    std::map<int, std::wstring> scanStatus;
    std::map<int, std::wstring> removeStatus;
};

} // namespace scantest
