#pragma once
// The print preview window and the printing of text lines on the default printer.

#include "toolkit/Button.h"
#include "toolkit/CustomControl.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

// One preview page: a multi-line text box whose lines are the page.
class TPreviewPage : public tk::Edit {
  public:
    TPreviewPage(tk::Control& parent, int x, int y, bool readOnly);

    std::vector<std::wstring> Lines() const;
    // Puts the lines in front of the page's lines.
    void InsertLines(const std::vector<std::wstring>& lines);
    void Clear();
};

// A container that scrolls its children when they reach beyond its client area.
class TScrollBox : public tk::CustomControl {
  public:
    TScrollBox(tk::Control& parent, int x, int y, int width, int height);
    // The size of the area the children take, from the top left corner.
    void SetContentSize(int width, int height);

  protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    // Per scroll bar (SB_HORZ or SB_VERT): the scrolled distance, the content's and the
    // visible extent.
    int& Position(int bar);
    int ContentSize(int bar) const;
    int PageSize(int bar) const;
    void UpdateBar(int bar);
    void ScrollTo(int bar, int newPosition);

    int contentWidth_ = 0;
    int contentHeight_ = 0;
    int x_ = 0;
    int y_ = 0;
};

// The text pages of a print request.
struct TPreviewPages {
    std::vector<std::wstring> Page1;
    std::vector<std::wstring> Page2;
    bool TwoPages = false;
};

// The two pages for the printed lines of a list's rows, each page starting with its
// header; from 71 rows on, rows 71 and later go to page 2.
TPreviewPages BuildPreviewPages(const std::vector<std::wstring>& rowLines,
                                const std::wstring& makerSite);

class Tprint_form : public tk::Form {
  public:
    Tprint_form();
    ~Tprint_form() override;

    // A4 page size and margins of the page set-up, in thousandths of an inch.
    static const int PageWidth = 8267;
    static const int PageHeight = 11692;

    // Puts the pages in front of what the preview holds and shows page 1 in front.
    void ShowPages(const TPreviewPages& pages);

    void FormCreate();
    void print_buttonClick();
    void zoom_buttonClick();
    void next_buttonClick();
    void Prev_buttonClick();
    void SpeedButton4Click();
    void FormClose();

    bool PreviewHasTwoPages = false;
    int PreviewZoom = 1;

    std::unique_ptr<tk::Panel> TopPanel;
    std::unique_ptr<tk::Button> print_button;
    std::unique_ptr<tk::Button> zoom_button;
    std::unique_ptr<tk::Button> Prev_button;
    std::unique_ptr<tk::Button> next_button;
    std::unique_ptr<tk::Button> SpeedButton4;
    std::unique_ptr<tk::Panel> StatusBar1;
    std::unique_ptr<TScrollBox> ScrollBox1;
    std::unique_ptr<TPreviewPage> Memo1;
    std::unique_ptr<TPreviewPage> Memo2;

  private:
    void SizePages(int divisor, int fontHeight);
};

// The preview window of the running program; nullptr while there is none.
extern Tprint_form* print_form;

// A device that prints sheets of text: its resolution and printable height in device
// pixels, and how a sheet starts and ends (false when the device fails).
struct TSheetDevice {
    HDC Dc = nullptr;
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
    int SheetHeight = 0;
    std::function<bool()> StartSheet;
    std::function<bool()> EndSheet;
};

// Writes the lines top to bottom in a fixed-pitch font of 10 points, half an inch in from
// the left and the top edge, and starts a new sheet when the next line does not fit. False
// when the device fails.
bool WriteSheets(const TSheetDevice& device, const std::vector<std::wstring>& lines);

// A device that prints jobs of sheets: how a job starts and ends (false when the device
// fails) and how it is abandoned.
struct TJobDevice {
    TSheetDevice Sheets;
    std::function<bool()> StartJob;
    std::function<bool()> EndJob;
    std::function<void()> AbortJob;
};

// Writes the lines as one job; a job that is not ended, after a failure or an exception, is
// aborted. False when the device fails.
bool WriteJob(const TJobDevice& device, const std::vector<std::wstring>& lines);

// Prints the lines as one job on the default printer; a failure shows "Error Printing
// text." and nothing else.
void PrintLines(const std::vector<std::wstring>& lines);
// The same on the named printer.
void PrintLinesTo(const std::wstring& printerName, const std::vector<std::wstring>& lines);

} // namespace corvane
