#pragma once
// Corvane's main window: System and Component tabs with their page buttons and
// two-column lists, the About tab and the Exit tab.

#include "hwinfo/ButtonGroup.h"
#include "hwinfo/CpuProbe.h"
#include "hwinfo/DevicePages.h"
#include "hwinfo/HoverLabel.h"
#include "hwinfo/ProcessList.h"
#include "hwinfo/Unit1_summary.h"
#include "hwinfo/Unit1_syspages.h"

#include "controls/FlatBtn.h"

#include "toolkit/Action.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panel.h"

#include <functional>
#include <memory>
#include <string>

namespace corvane {

enum class TInfoTab { System, Component };

// The maker's details on the About tab.
inline const wchar_t* const MakerSite = L"www.corvane.example";
inline const wchar_t* const MakerUrl = L"http://www.corvane.example/";
inline const wchar_t* const ContactName = L"Corvane Support Team";
inline const wchar_t* const ContactMail = L"help@corvane.example";
inline const wchar_t* const MakerNotice =
    L"Made by Corvane Software.\nThis program is freeware: you may copy\nand share it "
    L"as long as it stays unchanged.";

// Where the CPU page reads from; tests put stand-ins here.
struct TCpuPageSources {
    std::function<TCpuIdentity()> identity = ReadCpuIdentity;
    std::function<TCpuidFacts()> cpuid = ReadCpuid;
};

// Where the MCI page finds the devices; tests point it elsewhere.
struct TMciSource {
    HKEY root = HKEY_LOCAL_MACHINE;
    std::wstring keyPath = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\MCI32";
};

class TForm1 : public tk::Form {
  public:
    TForm1();
    ~TForm1() override;

    // The text every page types into its waiting panel.
    static const std::wstring WaitingText;

    // Page frame: start and end steps of the System tab (prosesbar, Tutuppanel) and of
    // the Component tab (DisplaySlowText, Closepanel).
    void prosesbar(const std::wstring& text);
    void Tutuppanel();
    void DisplaySlowText(const std::wstring& text);
    void Closepanel();
    // Column captions of the Component list back to "Item" (width 150) and "Value".
    void Standar();
    // Appends one row of a page to the list and returns its index.
    int AddInfoRow(tk::ListView& list, const TInfoRow& row);
    // Whether a page is filling now (a close then waits for its end).
    bool Filling() const { return fillDepth_ > 0; }

    // Pages.
    void Action12Execute();
    void Action10Execute();
    void processes_infoExecute();
    void mci_deviceExecute();
    // Copies the active tab's list into the print preview and shows it.
    void print_buttonClick();
    void Action11Execute();
    void Action13Execute();
    void Action14Execute();
    void Action15Execute();
    void Action16Execute();
    void Action17Execute();
    void Action18Execute();
    void windowsinfoExecute();
    void Action1Execute();
    void Action2Execute();
    void Action3Execute();
    void Action4Execute();
    void Action5Execute();
    void Action6Execute();
    void Action7Execute();
    void Action8Execute();
    void Action9Execute();
    void portsinfoExecute();

    // Tabs, About and Exit.
    void FormCreate();
    void TabSheet1Show();
    void TabSheet2Show();
    void TabSheet3Show();
    void TabSheet4Show();
    void Button1Click();
    void Button2Click();
    void SpeedButton2Click();
    void FormClose();
    void Label8MouseMove();
    void Label8MouseLeave();
    void Label8Click();
    void Label7MouseMove();
    void Label7MouseLeave();
    void Label7Click();
    void obnewsClick();
    void obhelpClick();

    bool SystemHasContent = false;
    bool ComponentHasContent = false;
    TCpuPageSources CpuSources;
    TSummarySources SummarySources;
    TMciSource MciSource;
    TProcessSource ProcessSource = TProcessSource::System();
    // Scratch list of the MCI page: the device value names, each with a blank in front.
    std::vector<std::wstring> Memotemp;
    TVideoPageSources VideoSources;
    TBoardPageSources BoardSources;
    TPowerPageSources PowerSources;
    TMemoryPageSources MemorySources;
    TDrivePageSources DriveSources;
    TInputPageSources InputSources;
    TUsbPageSources UsbSources;
    TMonitorPageSources MonitorSources;
    TModemPageSources ModemSources;
    TSoundPageSources SoundSources;
    TPortsPageSources PortsSources;

    std::unique_ptr<tk::PageControl> PageControl1;
    tk::Panel* TabSheet1 = nullptr;
    tk::Panel* TabSheet2 = nullptr;
    tk::Panel* TabSheet3 = nullptr;
    tk::Panel* TabSheet4 = nullptr;

    tk::ImageList ImageList1{32, 32};
    tk::ImageList ImageList2{32, 32};
    tk::ImageList ImageList3{20, 20};
    tk::ImageList ImageList4{20, 20};
    tk::ImageList ImageList5{20, 20};
    tk::ActionList ActionManager1;

    std::unique_ptr<TButtonGroup> ButtonGroup2;
    std::unique_ptr<tk::ListView> LV2;
    std::unique_ptr<tk::Panel> Panel3;
    std::unique_ptr<tk::Label> Label2;
    std::unique_ptr<TButtonGroup> ButtonGroup1;
    std::unique_ptr<tk::ListView> LV1;
    std::unique_ptr<tk::Panel> Panel1;
    std::unique_ptr<tk::Label> Label1;
    std::unique_ptr<tk::Button> print_button;

    std::unique_ptr<tk::GroupBox> AboutBox;
    std::unique_ptr<tk::Image> AboutPicture;
    std::unique_ptr<THoverLabel> Label7;
    std::unique_ptr<tk::Label> ProductLabel;
    std::unique_ptr<tk::Label> VersionLabel;
    std::unique_ptr<tk::Panel> AboutLine;
    std::unique_ptr<tk::Label> NoticeLabel;
    std::unique_ptr<tk::GroupBox> SupportBox;
    std::unique_ptr<THoverLabel> Label8;
    std::unique_ptr<ctl::TFlatButton> obnews;
    std::unique_ptr<ctl::TFlatButton> obhelp;
    std::unique_ptr<tk::Button> SpeedButton2;

    std::unique_ptr<tk::GroupBox> ExitBox;
    std::unique_ptr<tk::Label> ExitLabel;
    std::unique_ptr<tk::Button> Button2;
    std::unique_ptr<tk::Button> Button1;

  private:
    friend class TPageFill;

    // The controls one tab's page frame works on.
    struct FrameParts {
        tk::ListView& list;
        TButtonGroup& buttons;
        tk::Panel& panel;
        tk::Label& label;
        bool& hasContent;
    };
    FrameParts Parts(TInfoTab tab);
    void StartStep(FrameParts parts, const std::wstring& text);
    void EndStep(FrameParts parts);
    void RetitleComponentColumns(const std::wstring& first, int firstWidth,
                                 const std::wstring& second);
    void FillEnded();

    void CreateTabs();
    void CreatePageTab(TInfoTab tab);
    void CreateAboutTab();
    void CreateExitTab();
    void CreatePrintButton();
    void CreatePictures();
    void ActivePageChanged();
    void ShowSystemTab();
    void OpenProgramFile(const std::wstring& name);

    int fillDepth_ = 0;
    bool closePending_ = false;
};

// Runs a tab's start step now and its end step when it goes out of scope, also when the
// fill stops with an exception, so the list and the page buttons always come back.
class TPageFill {
  public:
    TPageFill(TForm1& form, TInfoTab tab);
    ~TPageFill();
    TPageFill(const TPageFill&) = delete;
    TPageFill& operator=(const TPageFill&) = delete;

  private:
    TForm1& form_;
    TInfoTab tab_;
};

} // namespace corvane
