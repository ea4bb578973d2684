#pragma once
// Tidewell's main window: every page, list, button and timer of the program,
// the values the pages and categories share, and every event handler. The
// handlers are defined in files by concern (Unit1_*.cpp, registry_scan/,
// privacy/).

#include "cleaner/privacy/FolderListing.h"
#include "controls/FlatBtn.h"
#include "controls/FocusText.h"
#include "controls/FrameProgress.h"
#include "controls/GradButton.h"
#include "controls/GradProgressBar.h"
#include "toolkit/CategoryButtons.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panel.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/Timer.h"

#include <shellapi.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tidewell {

// Rows of the results list in row order: row 0 the backup switch, rows 1 to 20
// the categories, whose table (Categories.h) follows this order.
enum ResultsRowIndex : int {
    BackupRow,
    StartupRow,
    UninstallRow,
    ExtensionsRow,
    ActiveXRow,
    HelpFilesRow,
    FontsRow,
    VirtualRow,
    ObsoleteRow,
    DocumentsRow,
    RecycleBinRow,
    TempFilesRow,
    ClipboardRow,
    DumpsRow,
    ChkdskRow,
    LogFilesRow,
    CookiesRow,
    HistoryRow,
    TempIERow,
    AdvancedRow,
    ProgressiveRow,
};
constexpr int ResultsRowCount = ProgressiveRow + 1;
constexpr int FirstCategoryRow = StartupRow;
constexpr int LastCategoryRow = ProgressiveRow;

// Number of categories sharing the privacy page's buttons (PrivacyPageType 1 to 12).
constexpr int SharedPageTypeCount = 12;

// The machine's Windows NT version key (SystemRoot, ProductName).
inline constexpr wchar_t NtCurrentVersionKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// Tray callback message of the tray icon record; in the range of the
// application's own messages, as the dialog manager sends WM_USER + n to forms.
constexpr UINT TrayCallbackMessage = WM_APP + 1;

// The names of the settings under HKEY_CURRENT_USER "Software\Tidewell".
namespace SettingName {
inline constexpr wchar_t AlwaysOnTop[] = L"alwaysontop";
inline constexpr wchar_t LoadWithWindows[] = L"loadwithwin";
inline constexpr wchar_t AutoRepair[] = L"autorepair";
inline constexpr wchar_t AutoClose[] = L"autoclose";
inline constexpr wchar_t PlaySounds[] = L"playsounds";
inline constexpr wchar_t AutoBackup[] = L"autobackup";
inline constexpr wchar_t TaskbarStatus[] = L"taskbarstatus";
inline constexpr wchar_t TrayMinimize[] = L"trayminimize";
inline constexpr wchar_t ShowSplash[] = L"showsplash";
inline constexpr wchar_t AutoScan[] = L"autoscan";
} // namespace SettingName

// A setting under HKEY_CURRENT_USER "Software\Tidewell".
std::wstring ReadSetting(const std::wstring& name);
// The start-with-Windows entry: "Tidewell" under the Run key, pointing to the
// launcher in the program's folder.
std::wstring StartupEntryCommand();
void WriteStartupEntry();
void DeleteStartupEntry();

class TForm1 : public tk::Form {
  public:
    TForm1();
    ~TForm1() override;

    // Values shared by the pages and categories.
    std::array<bool, ResultsRowCount> CategoryScanned{}; // by results row; [0] unused
    int LastFoundCount = 0;
    int RecycleBinCount = 0;
    std::int64_t RecycleBinBytes = 0; // the total size the last recycle-bin scan found
    DWORD ClipboardSequence = 0; // the clipboard's sequence number the last clipboard listing read
    int PrivacyPageType = 0;
    // A step that the last remove action asks the status line to show in place of its
    // caller's closing text; empty for none. Callers clear it before the action.
    std::wstring ActionStatus;
    std::array<bool, SharedPageTypeCount + 1> SelectAllState{}; // by page type; [0] unused
    std::wstring SelectedRowCaption;
    std::wstring ProgramFilesDir;
    std::wstring CommonFilesDir;
    std::wstring SystemRoot;
    std::wstring SystemDrivePrefix;
    std::wstring AutoScanValue;
    NOTIFYICONDATAW TrayIconData{};

    // Window frame: banner, status strip, working area.
    std::unique_ptr<tk::Image> ImageBanner;
    std::unique_ptr<tk::Panel> PanelStatus;
    std::unique_ptr<tk::Image> ImageStatus;
    std::unique_ptr<tk::Label> statustext;
    std::unique_ptr<ctl::TGradProgressBar> PB;
    std::unique_ptr<ctl::TFocusText> labeldeep;
    std::unique_ptr<tk::Panel> PanelWork;
    std::unique_ptr<tk::Panel> Panel10;
    std::unique_ptr<ctl::TFlatButton> OBscanpc;
    std::unique_ptr<tk::CategoryButtons> CB1;
    std::unique_ptr<ctl::TFlatButton> OBhelp;
    std::unique_ptr<ctl::TFlatButton> obmainerror;
    std::unique_ptr<ctl::TFlatButton> obpriv;
    std::unique_ptr<ctl::TFlatButton> Oberror;

    // Results page.
    std::unique_ptr<tk::ListView> lvall;
    std::unique_ptr<ctl::TGradButton> OBall1;
    std::unique_ptr<ctl::TGradButton> OBall2;
    std::unique_ptr<ctl::TGradButton> OBall3;
    std::unique_ptr<ctl::TGradButton> OBall4;

    // Category lists.
    std::unique_ptr<tk::ListView> LV;
    std::unique_ptr<tk::ListView> LV2;
    std::unique_ptr<tk::ListView> lvsp;
    std::unique_ptr<tk::ListView> lvue;
    std::unique_ptr<tk::ListView> lvpc;
    std::unique_ptr<tk::ListView> lvfe;
    std::unique_ptr<tk::ListView> lvax;
    std::unique_ptr<tk::ListView> lvvd;
    std::unique_ptr<tk::ListView> lvco;
    std::unique_ptr<tk::ListView> lvhis;
    std::unique_ptr<tk::ListView> lvdel;
    std::unique_ptr<tk::ListView> lvbin;
    std::unique_ptr<tk::ListView> lvadvanced;
    std::unique_ptr<tk::ListView> lvclip;
    std::unique_ptr<tk::ListView> lvdump;
    std::unique_ptr<tk::ListView> lvchk;
    std::unique_ptr<tk::ListView> lvlog;
    std::unique_ptr<tk::ListView> lvtempie;
    std::unique_ptr<tk::ListView> lvfont;
    std::unique_ptr<tk::ListView> lvhelp;
    std::unique_ptr<tk::ListView> lvos;
    // Scratch rows of the remove actions; never shown.
    std::unique_ptr<tk::ListView> LVback;

    // Page buttons: select-all, ignore, remove checked, refresh.
    std::unique_ptr<ctl::TGradButton> OBsp1, OBsp3, OBsp4;
    std::unique_ptr<ctl::TFlatButton> OBsp2;
    std::unique_ptr<ctl::TGradButton> OBue1, OBue3, OBue4;
    std::unique_ptr<ctl::TFlatButton> obue2;
    std::unique_ptr<ctl::TGradButton> OBpc1, OBpc3, OBpc4;
    std::unique_ptr<ctl::TFlatButton> obpc2;
    std::unique_ptr<ctl::TGradButton> OBfe1, OBfe3, OBfe4;
    std::unique_ptr<ctl::TFlatButton> obfe2;
    std::unique_ptr<ctl::TGradButton> OBax1, OBax3, OBax4;
    std::unique_ptr<ctl::TFlatButton> obax2;
    std::unique_ptr<ctl::TGradButton> OBda1, OBda3, OBda4;
    std::unique_ptr<ctl::TFlatButton> OBda2;
    std::unique_ptr<ctl::TGradButton> OBvd1, OBvd3, OBvd4;
    std::unique_ptr<ctl::TFlatButton> obvd2;
    std::unique_ptr<ctl::TGradButton> OBco1, OBco3, OBco4;
    std::unique_ptr<ctl::TFlatButton> obco2;
    std::unique_ptr<ctl::TGradButton> OBhis1, OBhis3, OBhis4;
    std::unique_ptr<ctl::TFlatButton> obhis2;

    // Ignored items (read at start, consulted by the scans).
    std::unique_ptr<tk::PageControl> pcignored;
    std::unique_ptr<tk::ListView> lvignoredsp;
    std::unique_ptr<tk::ListView> lvignoredue;
    std::unique_ptr<tk::ListView> lvignoredpc;
    std::unique_ptr<tk::ListView> lvignoredfe;
    std::unique_ptr<tk::ListView> lvignoredax;
    std::unique_ptr<tk::ListView> lvignoredda;
    std::unique_ptr<ctl::TFlatButton> obremoveignoredsp;
    std::unique_ptr<ctl::TFlatButton> obremoveignoredue;
    std::unique_ptr<ctl::TFlatButton> obremoveignoredpc;
    std::unique_ptr<ctl::TFlatButton> obremoveignoredfe;
    std::unique_ptr<ctl::TFlatButton> obremoveignoredax;

    // Settings page.
    std::unique_ptr<tk::Panel> paneloption;
    std::unique_ptr<tk::GroupBox> GroupAdvanced;
    std::unique_ptr<tk::GroupBox> GroupDisplay;
    std::unique_ptr<tk::CheckBox> CBontop;
    std::unique_ptr<tk::CheckBox> CBstartup;
    std::unique_ptr<tk::CheckBox> CBautorepair;
    std::unique_ptr<tk::CheckBox> CBautoexit;
    std::unique_ptr<tk::CheckBox> CBsound;
    std::unique_ptr<tk::CheckBox> CBbackup;
    std::unique_ptr<tk::CheckBox> CBtraymin;
    std::unique_ptr<tk::CheckBox> CBtaskbar;
    std::unique_ptr<tk::CheckBox> CBsplash;

    // Backups page.
    std::unique_ptr<tk::ListView> LVbackup;
    std::unique_ptr<ctl::TGradButton> OBbackup;
    std::unique_ptr<ctl::TGradButton> OBrestorebackup;
    std::unique_ptr<ctl::TGradButton> OBdeletebackup;

    // About page and, on its background, the Registry Optimizer page.
    std::unique_ptr<tk::Panel> Panelabout;
    std::unique_ptr<tk::Panel> Panel3;
    std::unique_ptr<tk::Image> ImageAbout;
    std::unique_ptr<tk::Label> LabelVersion;
    std::unique_ptr<ctl::TFlatButton> OBhomepage;
    std::unique_ptr<ctl::TFlatButton> OBproupdate;
    std::unique_ptr<tk::Panel> Panel4;
    std::vector<std::unique_ptr<tk::Label>> OptimizerLabels;
    // Each bar fills its panel, without a frame of its own.
    std::unique_ptr<tk::Panel> PanelHive;
    std::unique_ptr<tk::Panel> PanelNodes;
    std::unique_ptr<ctl::TFrameProgressBar> PBHive;
    std::unique_ptr<ctl::TFrameProgressBar> PBNodes;
    std::unique_ptr<ctl::TFocusText> Hivetext;
    std::unique_ptr<ctl::TFocusText> labelnode;
    std::unique_ptr<ctl::TFocusText> labelvalues;
    std::unique_ptr<ctl::TGradButton> OBoptimize;

    // Flashing of Oberror, obpriv and obmainerror.
    tk::Timer Timer1{1000, false};
    tk::Timer Timer3{1000, false};
    tk::Timer Timer4{1000, false};

    tk::PopupMenu pabregistry;
    tk::PopupMenu pabprivacy;
    tk::PopupMenu PopupMenu1; // tray menu

    // A category's scan action and its remove action (empty: it has none).
    struct CategoryActions {
        std::function<void()> scan;
        std::function<void()> remove;
    };
    // The actions of results rows 1 to 20 ([0] unused), bound at creation to the
    // handlers the category table names.
    std::array<CategoryActions, ResultsRowCount> ActionManager1;

    // Hidden name lists of the scans (one blank before each name).
    std::vector<std::wstring> Memo1, Memo2;
    std::vector<std::wstring> ListBox1, ListBox2, ListBox3;

    // Creation and page switching.
    void FormCreate();
    void HiddenLV();

    // Settings.
    void CBontopClick();
    void CBstartupClick();
    void CBautorepairClick();
    void CBautoexitClick();
    void CBsoundClick();
    void CBbackupClick();
    void CBtaskbarClick();
    void CBtrayminClick();
    void CBsplashClick();
    void CB1Categories1Items2Click();
    void FormClose();
    void FormDestroy();

    // Results page.
    void OBall1Click();
    void lvallCustomDrawSubItem(int item, int subItem, tk::CellStyle& style);
    void OBall2Click();
    void OBall3Click();
    void OBall4Click();
    void OBscanpcClick();

    // Navigation, tray and window chrome.
    void CB1Categories0Items0Click();
    void CB1Categories0Items1Click();
    void CB1Categories1Items1Click();
    void lvallSelectItem(int index);
    void lvallDblClick();
    // Tray callback; true when the message was handled.
    bool TrayIconMessage(WPARAM wParam, LPARAM lParam);
    void ShowWindow1Click();
    void Exit1Click();
    void Timer1Timer();
    void Timer3Timer();
    void Timer4Timer();
    void OBhelpClick();
    void OBproupdateClick();
    void OBhomepageClick();

    // Category pages.
    void RunningWhileStartup1Click();
    void UninstallerBugs1Click();
    void UnusedExtensions1Click();
    void MissingActiveXandDLLs1Click();
    void H1Click();
    void FontsRegistra1Click();
    void VirtualComponent1Click();
    void ObseleteSoftware1Click();
    void RecentDocuments2Click();
    void RecycleBin2Click();
    void emporaryFiles1Click();
    void Clipboard1Click();
    void MemoryDumps1Click();
    void ChkdskFiles2Click();
    void LogFiles2Click();
    void Cookies1Click();
    void History1Click();
    void emporaryIE1Click();
    void AdvancedAnalysis1Click();
    void ProgressiveClick();
    // Opens the page of results row 1 to 20 (ignored while a flow runs); the
    // refresh forgets the category's scan first, so the page scans again.
    void OpenCategoryPage(int row);
    void RefreshCategoryPage(int row);
    tk::ListView& CategoryList(int row);
    // The count of a category: its list's rows, or the items in the recycle bin.
    int CategoryCount(int row);
    // Results row of a shared page type (1 to 12); 0 for any other type.
    static int SharedPageRow(int pageType);
    // The category's count in its results row and on Oberror, with " Errors Found"
    // or " Privacy Threats Found".
    void ShowPageCount(int row, bool privacyWords);
    // A count indicator: red and flashing with the count, or its "No ... Found" text.
    static void ShowCount(ctl::TFlatButton& indicator, tk::Timer& flashing, int count,
                          bool privacyWords);

    // Page buttons.
    // Checks every row, or unchecks every row when the button reads "Unselect All";
    // returns whether the rows are now checked.
    static bool ToggleSelectAll(tk::Control& button, tk::ListView& list);
    void OBsp1Click();
    void OBsp3Click();
    void OBsp4Click();
    void OBue1Click();
    void OBue3Click();
    void OBue4Click();
    void OBpc1Click();
    void OBpc3Click();
    void OBpc4Click();
    void OBfe1Click();
    void OBfe3Click();
    void OBfe4Click();
    void OBax1Click();
    void OBax3Click();
    void OBax4Click();
    void OBda1Click();
    void OBda3Click();
    void OBda4Click();
    void OBvd4Click();
    void OBco1Click();
    void OBco3Click();
    void OBco4Click();
    void OBhis1Click();
    void OBhis3Click();
    void OBhis4Click();

    // Ignore lists.
    void OBsp2Click();
    void obue2Click();
    void obpc2Click();
    void obfe2Click();
    void obax2Click();
    void obremoveignoredspClick();
    void obremoveignoredueClick();
    void obremoveignoredpcClick();
    void obremoveignoredfeClick();
    void obremoveignoredaxClick();

    // Registry backups.
    void backupregExecute();
    void CB1Categories1Items0Click();
    void OBbackupClick();
    void OBrestorebackupClick();
    void OBdeletebackupClick();
    // Exports the whole registry into a new file of the Backups folder and lists it;
    // false (after a message) when no complete backup was written.
    bool CreateRegistryBackup();

    // Registry optimizer.
    void CB1Categories1Items3Click();
    void OBoptimizeClick();
    void optimizeExecute();

    // Scan actions of the categories, in results row order.
    void StartupExecute();
    void UninstallExecute();
    void FileExtExecute();
    void ActiveXExecute();
    void helpfileExecute();
    void fontregExecute();
    void VirtualDeviceExecute();
    void ObsoleteExecute();
    void PrivacyExecute();
    void recycleExecute();
    void temp_filesExecute();
    void clipExecute();
    void dumpExecute();
    void chkExecute();
    void logExecute();
    void CookiesExecute();
    void historyExecute();
    void tempieExecute();
    void advancedExecute();
    void DeepExecute();

    // Remove actions of the categories.
    void removespExecute();
    void removeueExecute();
    void removefeExecute();
    void removeaxExecute();
    void removeosExecute();
    void removepcExecute();
    void removebinExecute();
    void removetempExecute();
    void removeclipExecute();
    void removedumpExecute();
    void removechkExecute();
    void removelogExecute();
    void removecoExecute();
    void removehisExecute();
    void removetempieExecute();
    void removeadvancedExecute();
    void removedaExecute();

    // Junk-file and privacy helpers (privacy/).
    // Clears the list, then adds blank + name for every listed entry of folder + mask (links
    // left out: ForEachListedEntry); the sizes of the listed entries go into sizes, in the
    // same order, when one is given.
    static void ListFolderFiles(std::vector<std::wstring>& list, const std::wstring& folder,
                                const std::wstring& mask, FileSizes* sizes = nullptr);
    // Empties every drive's recycle bin without confirmation, progress window or sound;
    // false when the shell could not.
    bool EmptyRecycleBin();

    // Scan and remove action frame (Unit1_frame.cpp).
    // Hourglass and PB at 0 for the life of an action; PB back to 0 and the default
    // cursor at its end.
    class BusyAction {
      public:
        explicit BusyAction(ctl::TGradProgressBar& bar);
        ~BusyAction();
        BusyAction(const BusyAction&) = delete;
        BusyAction& operator=(const BusyAction&) = delete;

      private:
        ctl::TGradProgressBar& bar_;
    };
    struct FindingColumn {
        const wchar_t* title;
        int width;
    };
    // What a deletion left: the entry gone, the entry still there (its row stays,
    // checked), or no finding any more (nothing deleted, its row goes).
    enum class RemoveOutcome { Removed, Survived, NoLongerFound };
    // Busy cursor, progress bar at 0, the list emptied and given its columns; then
    // the walk; then LastFoundCount. The walk's findings are painted in batches.
    void RunScanFrame(tk::ListView& list, const std::vector<FindingColumn>& columns,
                      const std::function<void()>& walk);
    // The list a running scan fills, and when its new rows are painted next.
    tk::ListView* ScanningList = nullptr;
    ULONGLONG NextFindingsPaint = 0;
    // Moves PB from one position to another, both included, pausing after each step.
    void AdvanceProgress(int from, int to, unsigned pauseMs = 30);
    // Appends a checked finding.
    void AddFinding(tk::ListView& list, const std::wstring& caption,
                    std::vector<std::wstring> subItems);
    static bool IsIgnored(const tk::ListView& ignored, const std::wstring& caption);
    // Runs the deletion of every checked row; unchecked rows and rows whose entry
    // survives stay, in order. Sets LastFoundCount.
    void RunRemoveFrame(tk::ListView& list,
                        const std::function<RemoveOutcome(const tk::ListItem&)>& remove);
    // Splits "HKCU\path", "HKLM\path" or "HKCR\path"; false for another root or an
    // empty key name.
    static bool ParseRegistryLocation(const std::wstring& location, HKEY& root, std::wstring& path);

    // Long flows that let messages run (Unit1_flow.cpp): scan all, repair all, a page's
    // scan or removal, backup, restore, backup deletion, the optimizer. One at a time:
    // while one runs, what would switch the page or start another flow is disabled. A
    // close or tray exit asked for meanwhile ends the flow at its next step and is done
    // at its end.
    enum class ExitRequest { None, Close, Terminate };
    // Runs the flow, unless another runs: then the request is ignored.
    void RunFlow(const std::function<void()>& flow);
    bool FlowRunning = false;
    ExitRequest PendingExit = ExitRequest::None;
    // True when a flow runs: the exit is remembered; the flow ends at its next step and
    // the exit is done then.
    bool DeferExitWhileFlowRuns(ExitRequest request);

  private:
    // Layout (Unit1_layout.cpp).
    void createFrame();
    void createResultsPage();
    void createCategoryLists();
    void createPageButtons();
    void createIgnoredLists();
    void createSettingsPage();
    void createBackupsPage();
    void createAboutPage();
    void createOptimizerPage();
    void createMenusAndTimers();
    void createActions();
    void bindWindowEvents();
    // Every control a page switch hides, in hiding order.
    std::vector<tk::Control*> pageControls() const;

    // Creation steps (Unit1_create.cpp).
    void readFolders();
    void createProgramFolders() const;
    std::wstring loadCheckBoxesReturningAutoBackup();
    void fillTrayIconData();
    void loadTraySetting();
    void loadSplashSetting();
    // HiddenLV, then the results list and its buttons shown.
    void showResultsPage();
    void addResultsRows(const std::wstring& autoBackup);
    void setIgnoredColumns();
    void loadIgnoreLists();

    // Settings side effects (Unit1_settings.cpp).
    void applyTrayIcon(bool on);
};

} // namespace tidewell
