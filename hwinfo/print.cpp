#include "hwinfo/print.h"

#include "toolkit/GuiHandles.h"
#include "toolkit/MessageBox.h"

#include <winspool.h>

#include <algorithm>
#include <stdexcept>

namespace corvane {

Tprint_form* print_form = nullptr;

namespace {

const int FullFontHeight = 11; // 8 points
const int HalfFontHeight = 5;  // 4 points
const int ButtonWidth = 75;
const int ButtonHeight = 32;
const int StatusHeight = 19;
const int PageLeft = 150;
const int ScrollLine = 16;
const int PrintPoints = 10;

// A failure of the printer text device.
class EPrintError : public std::runtime_error {
  public:
    EPrintError() : std::runtime_error("printer error") {}
};

// The pieces of the text between line ends; a last line end starts no further line.
std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines)
        text += line + L"\r\n";
    return text;
}

std::vector<std::wstring> PageHeader(const std::wstring& indent, const std::wstring& makerSite) {
    return {L"", L"", L"", indent + L"CORVANE", indent + makerSite, L"", L""};
}

std::wstring DefaultPrinterName() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0)
        return L"";
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size))
        return L"";
    return name.substr(0, name.find(L'\0'));
}

TSheetDevice PrinterSheets(HDC dc) {
    return {dc,
            GetDeviceCaps(dc, LOGPIXELSX),
            GetDeviceCaps(dc, LOGPIXELSY),
            GetDeviceCaps(dc, VERTRES),
            [dc] { return StartPage(dc) > 0; },
            [dc] { return EndPage(dc) > 0; }};
}

// WriteSheets with the font selected.
bool WriteSelectedFont(const TSheetDevice& device, const std::vector<std::wstring>& lines) {
    TEXTMETRICW metrics = {};
    GetTextMetricsW(device.Dc, &metrics);
    const int lineHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    const int left = device.PixelsPerInchX / 2;
    const int top = device.PixelsPerInchY / 2;
    if (!device.StartSheet())
        return false;
    int y = top;
    for (const std::wstring& line : lines) {
        if (y > top && y + lineHeight > device.SheetHeight) {
            if (!device.EndSheet() || !device.StartSheet())
                return false;
            y = top;
        }
        TextOutW(device.Dc, left, y, line.c_str(), static_cast<int>(line.size()));
        y += lineHeight;
    }
    return device.EndSheet();
}

TJobDevice PrinterJob(HDC dc) {
    const auto start = [dc] {
        DOCINFOW document = {};
        document.cbSize = sizeof(document);
        document.lpszDocName = L"Corvane";
        return StartDocW(dc, &document) > 0;
    };
    return {PrinterSheets(dc), start, [dc] { return EndDoc(dc) > 0; }, [dc] { AbortDoc(dc); }};
}

// A started job, aborted unless it was ended.
class TStartedJob {
  public:
    explicit TStartedJob(const TJobDevice& device) : device_(device) {}
    ~TStartedJob() {
        if (!ended_)
            device_.AbortJob();
    }
    TStartedJob(const TStartedJob&) = delete;
    TStartedJob& operator=(const TStartedJob&) = delete;
    bool End() {
        ended_ = device_.EndJob();
        return ended_;
    }

  private:
    const TJobDevice& device_;
    bool ended_ = false;
};

void PrintJob(const std::wstring& printerName, const std::vector<std::wstring>& lines) {
    if (printerName.empty())
        throw EPrintError();
    // DeleteDC frees a printer DC as it frees a memory DC.
    const tk::MemoryDc dc(CreateDCW(L"WINSPOOL", printerName.c_str(), nullptr, nullptr));
    if (!dc || !WriteJob(PrinterJob(dc.get()), lines))
        throw EPrintError();
}

} // namespace

TPreviewPage::TPreviewPage(tk::Control& parent, int x, int y, bool readOnly)
    : tk::Edit(parent, x, y, 10, 10, L"", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN) {
    setReadOnly(readOnly);
}

std::vector<std::wstring> TPreviewPage::Lines() const {
    return SplitLines(caption());
}

void TPreviewPage::InsertLines(const std::vector<std::wstring>& lines) {
    setCaption(JoinLines(lines) + caption());
}

void TPreviewPage::Clear() {
    setCaption(L"");
}

TScrollBox::TScrollBox(tk::Control& parent, int x, int y, int width, int height)
    : tk::CustomControl(parent, x, y, width, height, WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE) {}

void TScrollBox::SetContentSize(int width, int height) {
    contentWidth_ = width;
    contentHeight_ = height;
    UpdateBar(SB_HORZ);
    UpdateBar(SB_VERT);
}

int& TScrollBox::Position(int bar) {
    return bar == SB_VERT ? y_ : x_;
}

int TScrollBox::ContentSize(int bar) const {
    return bar == SB_VERT ? contentHeight_ : contentWidth_;
}

int TScrollBox::PageSize(int bar) const {
    return bar == SB_VERT ? clientHeight() : clientWidth();
}

void TScrollBox::UpdateBar(int bar) {
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = std::max(0, ContentSize(bar) - 1);
    info.nPage = static_cast<UINT>(std::max(0, PageSize(bar)));
    SetScrollInfo(handle(), bar, &info, TRUE);
    const int limit = std::max(0, ContentSize(bar) - PageSize(bar));
    if (Position(bar) > limit)
        ScrollTo(bar, limit);
}

void TScrollBox::ScrollTo(int bar, int newPosition) {
    int& position = Position(bar);
    newPosition = std::max(0, std::min(newPosition, ContentSize(bar) - PageSize(bar)));
    if (newPosition == position)
        return;
    const int delta = position - newPosition;
    position = newPosition;
    ScrollWindowEx(handle(), bar == SB_HORZ ? delta : 0, bar == SB_VERT ? delta : 0, nullptr,
                   nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    SetScrollPos(handle(), bar, position, TRUE);
}

LRESULT TScrollBox::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_VSCROLL && msg != WM_HSCROLL && msg != WM_MOUSEWHEEL)
        return tk::CustomControl::handleMessage(msg, wParam, lParam);
    if (msg == WM_MOUSEWHEEL) {
        ScrollTo(SB_VERT, y_ - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3 * ScrollLine);
        return 0;
    }
    const int bar = msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
    const int position = Position(bar);
    const int page = PageSize(bar);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(handle(), bar, &info);
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        ScrollTo(bar, position - ScrollLine);
        break;
    case SB_LINEDOWN:
        ScrollTo(bar, position + ScrollLine);
        break;
    case SB_PAGEUP:
        ScrollTo(bar, position - page);
        break;
    case SB_PAGEDOWN:
        ScrollTo(bar, position + page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(bar, info.nTrackPos);
        break;
    default:
        break;
    }
    return 0;
}

TPreviewPages BuildPreviewPages(const std::vector<std::wstring>& rowLines,
                                const std::wstring& makerSite) {
    const std::size_t FirstPageRows = 71;
    TPreviewPages pages;
    pages.Page1 = PageHeader(std::wstring(9, L' '), makerSite);
    pages.Page2 = PageHeader(std::wstring(10, L' '), makerSite);
    pages.TwoPages = rowLines.size() >= FirstPageRows;
    for (std::size_t i = 0; i < rowLines.size(); ++i)
        (i < FirstPageRows ? pages.Page1 : pages.Page2).push_back(rowLines[i]);
    return pages;
}

Tprint_form::Tprint_form() : tk::Form(L"Corvane - Print Preview", 699, 543) {
    setBounds(0, 0, 707, 577);
    centerOnScreen();
    setStyleFlag(WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false);
    setHideOnClose(true);
    TopPanel = std::make_unique<tk::Panel>(*this, 0, 0, clientWidth(), 40);
    const auto button = [this](int left, const wchar_t* caption, void (Tprint_form::*handler)()) {
        auto made =
            std::make_unique<tk::Button>(*TopPanel, left, 4, ButtonWidth, ButtonHeight, caption);
        made->onClick = [this, handler] { (this->*handler)(); };
        made->setCursor(tk::Cursor::HandPoint);
        return made;
    };
    print_button = button(8, L" PRINT", &Tprint_form::print_buttonClick);
    zoom_button = button(96, L" 50%", &Tprint_form::zoom_buttonClick);
    Prev_button = button(184, L"PREVIOUS", &Tprint_form::Prev_buttonClick);
    next_button = button(272, L"NEXT", &Tprint_form::next_buttonClick);
    SpeedButton4 = button(364, L" CLOSE", &Tprint_form::SpeedButton4Click);
    StatusBar1 = std::make_unique<tk::Panel>(*this, 0, clientHeight() - StatusHeight, clientWidth(),
                                             StatusHeight);
    ScrollBox1 = std::make_unique<TScrollBox>(*this, 0, 40, clientWidth(),
                                              clientHeight() - 40 - StatusHeight);
    Memo1 = std::make_unique<TPreviewPage>(*ScrollBox1, PageLeft, 7, true);
    Memo2 = std::make_unique<TPreviewPage>(*ScrollBox1, PageLeft, 8, false);
    onClose = [this] { FormClose(); };
    print_form = this;
    FormCreate();
}

Tprint_form::~Tprint_form() {
    if (print_form == this)
        print_form = nullptr;
}

void Tprint_form::SizePages(int divisor, int fontHeight) {
    tk::FontSpec font;
    font.height = fontHeight;
    for (TPreviewPage* page : {Memo1.get(), Memo2.get()}) {
        const RECT at = page->bounds();
        page->setBounds(at.left, at.top, PageWidth / divisor, PageHeight / divisor);
        page->setFont(font);
    }
    ScrollBox1->SetContentSize(PageLeft + PageWidth / divisor + 8, PageHeight / divisor + 16);
}

void Tprint_form::FormCreate() {
    SizePages(11, FullFontHeight);
    PreviewZoom = 1;
}

void Tprint_form::zoom_buttonClick() {
    if (PreviewZoom == 1) {
        SizePages(22, HalfFontHeight);
        PreviewZoom = 2;
        zoom_button->setCaption(L" 100%");
    } else {
        SizePages(11, FullFontHeight);
        PreviewZoom = 1;
        zoom_button->setCaption(L" 50%");
    }
}

void Tprint_form::next_buttonClick() {
    Memo1->hide();
    Memo2->show();
}

void Tprint_form::Prev_buttonClick() {
    Memo1->show();
    Memo2->hide();
}

void Tprint_form::print_buttonClick() {
    PrintLines(Memo1->Lines());
    if (PreviewHasTwoPages)
        PrintLines(Memo2->Lines());
}

void Tprint_form::SpeedButton4Click() {
    close();
}

void Tprint_form::FormClose() {
    Memo1->Clear();
    Memo2->Clear();
}

void Tprint_form::ShowPages(const TPreviewPages& pages) {
    Prev_buttonClick();
    Memo1->InsertLines(pages.Page1);
    Memo2->InsertLines(pages.Page2);
    PreviewHasTwoPages = pages.TwoPages;
    next_button->setEnabled(pages.TwoPages);
    Prev_button->setEnabled(pages.TwoPages);
    show();
    bringToFront();
}

bool WriteSheets(const TSheetDevice& device, const std::vector<std::wstring>& lines) {
    const tk::FontHandle font(CreateFontW(-MulDiv(PrintPoints, device.PixelsPerInchY, 72), 0, 0, 0,
                                          FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                          FIXED_PITCH | FF_MODERN, L"Courier New"));
    const tk::SelectedObject selection = tk::selectObject(device.Dc, font.get());
    return WriteSelectedFont(device, lines);
}

bool WriteJob(const TJobDevice& device, const std::vector<std::wstring>& lines) {
    if (!device.StartJob())
        return false;
    TStartedJob job(device);
    return WriteSheets(device.Sheets, lines) && job.End();
}

void PrintLinesTo(const std::wstring& printerName, const std::vector<std::wstring>& lines) {
    try {
        PrintJob(printerName, lines);
    } catch (const EPrintError&) {
        tk::messageBox(L"Error Printing text.", L"Error", MB_OK | MB_ICONERROR);
    }
}

void PrintLines(const std::vector<std::wstring>& lines) {
    PrintLinesTo(DefaultPrinterName(), lines);
}

} // namespace corvane
