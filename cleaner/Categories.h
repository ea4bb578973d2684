#pragma once
// Tidewell's categories: one entry per results row 1 to 20, in row order, holding all
// that is particular to a category. The results page, the category pages and their
// buttons, the menus, the ignore lists and the window's layout take their categories
// from here.

#include "cleaner/Unit1.h"

namespace tidewell {

// A handler of the main window and one of its controls, as the tables name them.
using Handler = void (TForm1::*)();
template <class T> using Member = std::unique_ptr<T> TForm1::*;

enum class CategoryKind { Registry, PrivacyThreats };

// The group text of a results row: "Registry" or "Privacy Threats".
const wchar_t* KindText(CategoryKind kind);

// The four buttons under a category page with their click handlers (nullptr: the
// button does nothing).
struct PageButtonSet {
    Member<ctl::TGradButton> selectAll;
    Handler selectAllClick;
    Member<ctl::TFlatButton> ignore;
    Handler ignoreClick;
    Member<ctl::TGradButton> remove;
    Handler removeClick;
    Member<ctl::TGradButton> refresh;
    Handler refreshClick;
};

// The status texts around a category's scan and removal.
struct StatusTexts {
    const wchar_t* scanning;
    const wchar_t* scanned;
    const wchar_t* repairing; // nullptr: the page has no removal
    const wchar_t* repaired;
};

// Findings the user set aside: their list and its page among the ignored items (nullptr:
// none), the file that keeps them and the button that takes an entry out again (nullptr:
// none).
struct IgnoredItems {
    Member<tk::ListView> list;
    const wchar_t* pageCaption;
    const wchar_t* fileName;
    Member<ctl::TFlatButton> removeButton;
    Handler removeClick;
};

// Where a category leaves the common rules.
enum CategoryFlags : unsigned {
    NoFlags = 0,
    StartsUnchecked = 1u << 0,    // its results row starts unchecked
    ScanAllCountsZero = 1u << 1,  // scan all writes "0" into its row, whatever it found
    CountsBinItems = 1u << 2,     // its count is RecycleBinCount, not its list's rows
    SelectAllStartsOff = 1u << 3, // OBhis1 first reads "Select All" on its shared page
};

struct Category {
    ResultsRowIndex row;
    const wchar_t* caption; // of its results row and its menu item
    CategoryKind kind;
    Member<tk::ListView> list;
    Handler openPage; // its page handler
    PageButtonSet buttons;
    int sharedPageType;  // PrivacyPageType of a page with the shared buttons; 0: own buttons
    StatusTexts results; // on the results page, each following "Status : "
    StatusTexts page;    // on its own page, whole
    Handler scan;
    Handler remove; // nullptr: none (the silent categories)
    IgnoredItems ignored;
    unsigned flags;

    bool has(CategoryFlags flag) const { return (flags & flag) != 0; }
};

extern const Category Categories[ResultsRowCount - FirstCategoryRow];

// The category of results row 1 to 20.
const Category& CategoryOf(int row);

// The category's list and its four page buttons.
std::array<tk::Control*, 5> CategoryPageControls(const TForm1& form, const Category& category);

// Whether the category of the row is of the "Registry" group (else "Privacy Threats").
bool IsRegistryRow(int row);

} // namespace tidewell
