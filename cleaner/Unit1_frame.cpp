// The frame every scan and remove action of a category runs in: busy cursor, the
// progress bar's phases, the findings list and the count the action leaves.
#include "cleaner/Unit1.h"

#include "toolkit/Application.h"
#include "toolkit/Seams.h"

namespace tidewell {

namespace {

struct RootPrefix {
    const wchar_t* text;
    HKEY root;
};

const RootPrefix RootPrefixes[] = {
    {L"HKCU\\", HKEY_CURRENT_USER},
    {L"HKLM\\", HKEY_LOCAL_MACHINE},
    {L"HKCR\\", HKEY_CLASSES_ROOT},
};

// Paints a scan's new rows every FindingsPaintMs rather than row by row.
constexpr ULONGLONG FindingsPaintMs = 250;

class PaintBatches {
  public:
    PaintBatches(TForm1& form, tk::ListView& list) : form_(form), list_(list) {
        list_.beginAppending();
        form_.ScanningList = &list_;
        form_.NextFindingsPaint = GetTickCount64() + FindingsPaintMs;
    }
    ~PaintBatches() {
        form_.ScanningList = nullptr;
        list_.endAppending();
    }
    PaintBatches(const PaintBatches&) = delete;
    PaintBatches& operator=(const PaintBatches&) = delete;

  private:
    TForm1& form_;
    tk::ListView& list_;
};

// Holds the list's painting back while rows are added in bulk.
class BulkRows {
  public:
    explicit BulkRows(tk::ListView& list) : list_(list) { list_.beginUpdate(); }
    ~BulkRows() { list_.endUpdate(); }
    BulkRows(const BulkRows&) = delete;
    BulkRows& operator=(const BulkRows&) = delete;

  private:
    tk::ListView& list_;
};

// Fills the list with the rows kept and then its own rows from `reached` on.
void ShowKeptRows(tk::ListView& list, const tk::ListView& kept, std::size_t reached) {
    std::vector<tk::ListItem> rows = kept.items();
    rows.insert(rows.end(), list.items().begin() + static_cast<std::ptrdiff_t>(reached),
                list.items().end());
    const BulkRows back(list);
    list.clear();
    for (tk::ListItem& row : rows)
        list.addItem(std::move(row));
}

} // namespace

TForm1::BusyAction::BusyAction(ctl::TGradProgressBar& bar) : bar_(bar) {
    tk::app().setCursor(tk::Cursor::HourGlass);
    bar_.setPosition(0);
}

TForm1::BusyAction::~BusyAction() {
    bar_.setPosition(0);
    tk::app().setCursor(tk::Cursor::Default);
}

void TForm1::RunScanFrame(tk::ListView& list, const std::vector<FindingColumn>& columns,
                          const std::function<void()>& walk) {
    const BusyAction busy(*PB);
    {
        const PaintBatches batches(*this, list);
        {
            const BulkRows emptied(list);
            list.clear();
            list.clearColumns();
            for (const FindingColumn& column : columns)
                list.addColumn(column.title, column.width);
        }
        walk();
    }
    LastFoundCount = list.count();
}

void TForm1::AdvanceProgress(int from, int to, unsigned pauseMs) {
    for (int position = from; position <= to; ++position) {
        PB->setPosition(position);
        tk::seams().pause(pauseMs);
        tk::app().keepAnswering();
    }
}

void TForm1::AddFinding(tk::ListView& list, const std::wstring& caption,
                        std::vector<std::wstring> subItems) {
    tk::ListItem item;
    item.caption = caption;
    item.subItems = std::move(subItems);
    item.checked = true;
    list.addItem(std::move(item));
    if (&list == ScanningList && GetTickCount64() >= NextFindingsPaint) {
        list.showAddedRows();
        NextFindingsPaint = GetTickCount64() + FindingsPaintMs;
    }
    tk::app().keepAnswering();
}

bool TForm1::IsIgnored(const tk::ListView& ignored, const std::wstring& caption) {
    for (const tk::ListItem& row : ignored.items())
        if (row.caption == caption)
            return true;
    return false;
}

void TForm1::RunRemoveFrame(tk::ListView& list,
                            const std::function<RemoveOutcome(const tk::ListItem&)>& remove) {
    const BusyAction busy(*PB);
    LVback->clear();
    AdvanceProgress(0, 30);
    // The rows of the list dealt with. A removal ended at a step (or by an error) leaves
    // the rows kept and those not reached, so that the list shows what is still there.
    std::size_t reached = 0;
    try {
        {
            const BulkRows kept(*LVback);
            // By index and by value: messages run between deletions, and the list is read
            // afresh after them.
            while (reached < list.items().size()) {
                const tk::ListItem row = list.items()[reached];
                // A row stays while its entry survives. An empty caption names a default
                // value; the categories whose empty name would mean a parent key refuse it.
                const bool stays = !row.checked || remove(row) == RemoveOutcome::Survived;
                ++reached;
                if (stays)
                    LVback->addItem(row);
                tk::app().keepAnswering();
            }
        }
        list.clear();
        reached = 0;
        AdvanceProgress(30, 100);
    } catch (...) {
        ShowKeptRows(list, *LVback, reached);
        throw;
    }
    ShowKeptRows(list, *LVback, 0);
    LastFoundCount = list.count();
}

bool TForm1::ParseRegistryLocation(const std::wstring& location, HKEY& root, std::wstring& path) {
    for (const RootPrefix& prefix : RootPrefixes) {
        const std::wstring text = prefix.text;
        if (location.compare(0, text.size(), text) != 0)
            continue;
        path = location.substr(text.size());
        root = prefix.root;
        return !path.empty() && path.back() != L'\\';
    }
    return false;
}

} // namespace tidewell
