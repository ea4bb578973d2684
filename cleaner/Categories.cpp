#include "cleaner/Categories.h"

#include <iterator>

namespace tidewell {

namespace {

constexpr int OwnButtons = 0;
constexpr IgnoredItems NoIgnoredItems = {nullptr, nullptr, nullptr, nullptr, nullptr};

// The buttons of the privacy page, shared by twelve categories.
constexpr PageButtonSet SharedButtons = {
    &TForm1::OBhis1, &TForm1::OBhis1Click, &TForm1::obhis2, nullptr,
    &TForm1::OBhis3, &TForm1::OBhis3Click, &TForm1::OBhis4, &TForm1::OBhis4Click};

} // namespace

// Each entry: row, caption, kind, list, page handler, page buttons, shared page type,
// texts of the results page, texts of its own page, scan and remove handlers, ignored
// items, flags.
constexpr Category Categories[] = {
    {StartupRow,
     L"Running While Startup",
     CategoryKind::Registry,
     &TForm1::lvsp,
     &TForm1::RunningWhileStartup1Click,
     {&TForm1::OBsp1, &TForm1::OBsp1Click, &TForm1::OBsp2, &TForm1::OBsp2Click, &TForm1::OBsp3,
      &TForm1::OBsp3Click, &TForm1::OBsp4, &TForm1::OBsp4Click},
     OwnButtons,
     {L"Scanning Startup Programs", L"Scanned Startup Programs", L"Repairing Startup Programs",
      L"Repaired Startup Programs"},
     {L"Status : Scanning Startup Programs", L"Status : Scanned Startup Programs",
      L"Status : Repairing Startup Programs", L"Status : Repaired Startup Programs"},
     &TForm1::StartupExecute,
     &TForm1::removespExecute,
     {&TForm1::lvignoredsp, L"Startup Programs", L"Datasp.dat", &TForm1::obremoveignoredsp,
      &TForm1::obremoveignoredspClick},
     NoFlags},
    {UninstallRow,
     L"Uninstaller Bugs",
     CategoryKind::Registry,
     &TForm1::lvue,
     &TForm1::UninstallerBugs1Click,
     {&TForm1::OBue1, &TForm1::OBue1Click, &TForm1::obue2, &TForm1::obue2Click, &TForm1::OBue3,
      &TForm1::OBue3Click, &TForm1::OBue4, &TForm1::OBue4Click},
     OwnButtons,
     {L"Scanning Uninstaller Bugs", L"Scanned Uninstaller Bugs", L"Repairing Uninstaller Bugs",
      L"Repaired Uninstaller Bugs"},
     {L"Status : Scanning Uninstaller Bugs ", L"Status : Scanned Uninstaller Bugs",
      L"Status : Repairing Uninstalls", L"Status : Repaired Uninstalls"},
     &TForm1::UninstallExecute,
     &TForm1::removeueExecute,
     {&TForm1::lvignoredue, L"Uninstaller Bugs", L"Dataue.dat", &TForm1::obremoveignoredue,
      &TForm1::obremoveignoredueClick},
     NoFlags},
    {ExtensionsRow,
     L"Unused Extensions",
     CategoryKind::Registry,
     &TForm1::lvfe,
     &TForm1::UnusedExtensions1Click,
     {&TForm1::OBfe1, &TForm1::OBfe1Click, &TForm1::obfe2, &TForm1::obfe2Click, &TForm1::OBfe3,
      &TForm1::OBfe3Click, &TForm1::OBfe4, &TForm1::OBfe4Click},
     OwnButtons,
     {L"Scanning Unused Extensions", L"Scanned Unused Extensions", L"Repairing Unused Extensions",
      L"Repaired Unused Extensions"},
     {L"Status : Scanning Unused Extension", L"Status : Scanned Unused Extension",
      L"Status : Repairing File Associations", L"Status : Repaired File Associations"},
     &TForm1::FileExtExecute,
     &TForm1::removefeExecute,
     {&TForm1::lvignoredfe, L"Unused Extensions", L"Datafe.dat", &TForm1::obremoveignoredfe,
      &TForm1::obremoveignoredfeClick},
     NoFlags},
    {ActiveXRow,
     L"Missing ActiveX and DLLs",
     CategoryKind::Registry,
     &TForm1::lvax,
     &TForm1::MissingActiveXandDLLs1Click,
     {&TForm1::OBax1, &TForm1::OBax1Click, &TForm1::obax2, &TForm1::obax2Click, &TForm1::OBax3,
      &TForm1::OBax3Click, &TForm1::OBax4, &TForm1::OBax4Click},
     OwnButtons,
     {L"Scanning ActiveX and DLLs", L"Scanned ActiveX and DLLs",
      L"Repairing Missing ActiveX and DLLs", L"Repaired Missing ActiveX and DLLs"},
     {L"Status : Scanning ActiveX and DLLs", L"Status : Scanned ActiveX and DLLs",
      L"Status : Repairing DLLs/ActiveX", L"Status : Repaired DLLs/ActiveX"},
     &TForm1::ActiveXExecute,
     &TForm1::removeaxExecute,
     {&TForm1::lvignoredax, L"ActiveX and DLLs", L"Dataax.dat", &TForm1::obremoveignoredax,
      &TForm1::obremoveignoredaxClick},
     NoFlags},
    {HelpFilesRow,
     L"Help Files",
     CategoryKind::Registry,
     &TForm1::lvhelp,
     &TForm1::H1Click,
     SharedButtons,
     12,
     {L"Scanning Help Files", L"Scanned Help Files", L"Repairing Help Files",
      L"Repaired Help Files"},
     {L"  Status : Scanning Help Files", L"  Status : Scanned Help Files", nullptr, nullptr},
     &TForm1::helpfileExecute,
     nullptr,
     NoIgnoredItems,
     ScanAllCountsZero | SelectAllStartsOff},
    {FontsRow,
     L"Fonts Registration",
     CategoryKind::Registry,
     &TForm1::lvfont,
     &TForm1::FontsRegistra1Click,
     SharedButtons,
     11,
     {L"Scanning Fonts Registration", L"Scanned Fonts Registration",
      L"Repairing Fonts Registration", L"Repaired Fonts Registration"},
     {L"  Status : Scanning Fonts Registration", L"  Status : Scanned Fonts Registration", nullptr,
      nullptr},
     &TForm1::fontregExecute,
     nullptr,
     NoIgnoredItems,
     ScanAllCountsZero},
    {VirtualRow,
     L"Virtual Components",
     CategoryKind::Registry,
     &TForm1::lvvd,
     &TForm1::VirtualComponent1Click,
     {&TForm1::OBvd1, nullptr, &TForm1::obvd2, nullptr, &TForm1::OBvd3, nullptr, &TForm1::OBvd4,
      &TForm1::OBvd4Click},
     OwnButtons,
     {L"Scanning Virtual Components", L"Scanned Virtual Components",
      L"Repairing Virtual Components", L"Repaired Virtual Components"},
     {L"  Status : Scanning Virtual Devices", L"  Status : Scanned Virtual Devices", nullptr,
      nullptr},
     &TForm1::VirtualDeviceExecute,
     nullptr,
     NoIgnoredItems,
     NoFlags},
    {ObsoleteRow,
     L"Obsolete Software",
     CategoryKind::Registry,
     &TForm1::lvos,
     &TForm1::ObseleteSoftware1Click,
     SharedButtons,
     4,
     {L"Scanning Obsolete Software", L"Scanned Obsolete Software", L"Repairing Obsolete Software",
      L"Repaired Obsolete Software"},
     {L"  Status : Scanning Obsolete Software", L"  Status : Scanned Obsolete Software",
      L"  Status : Repairing Obsolete Software", L"  Status : Repaired Obsolete Software"},
     &TForm1::ObsoleteExecute,
     &TForm1::removeosExecute,
     NoIgnoredItems,
     SelectAllStartsOff},
    {DocumentsRow,
     L"Recent Documents",
     CategoryKind::PrivacyThreats,
     &TForm1::lvpc,
     &TForm1::RecentDocuments2Click,
     {&TForm1::OBpc1, &TForm1::OBpc1Click, &TForm1::obpc2, &TForm1::obpc2Click, &TForm1::OBpc3,
      &TForm1::OBpc3Click, &TForm1::OBpc4, &TForm1::OBpc4Click},
     OwnButtons,
     {L"Scanning Recent Documents", L"Scanned Recent Documents", L"Repairing Recent Documents",
      L"Repaired Recent Documents"},
     {L"Status : Scanning Recent Documents", L"Status : Scanned Recent Documents",
      L"Status : Repairing Recent Documents", L"Status : Repaired Recent Documents"},
     &TForm1::PrivacyExecute,
     &TForm1::removepcExecute,
     {&TForm1::lvignoredpc, L"Recent Documents", L"Datapc.dat", &TForm1::obremoveignoredpc,
      &TForm1::obremoveignoredpcClick},
     NoFlags},
    {RecycleBinRow,
     L"Recycle Bin",
     CategoryKind::PrivacyThreats,
     &TForm1::lvbin,
     &TForm1::RecycleBin2Click,
     SharedButtons,
     3,
     {L"Scanning Recycle Bin", L"Scanned Recycle Bin", L"Repairing Recycle Bin",
      L"Repaired Recycle Bin"},
     {L"  Status : Scanning Recycle Bin", L"Status : Scanned Recycle Bin",
      L"  Status : Repairing Recycle Bin", L"  Status : Repaired Recycle Bin"},
     &TForm1::recycleExecute,
     &TForm1::removebinExecute,
     NoIgnoredItems,
     CountsBinItems},
    {TempFilesRow,
     L"Temporary Files",
     CategoryKind::PrivacyThreats,
     &TForm1::lvdel,
     &TForm1::emporaryFiles1Click,
     SharedButtons,
     2,
     {L"Scanning Temporary Files", L"Scanned Temporary Files", L"Repairing Temporary Files",
      L"Repaired Temporary Files"},
     {L"  Status : Scanning Temporary Files", L"  Status : Scanned Temporary Files",
      L"  Status : Repairing Temporary Files", L"  Status : Repaired Temporary files"},
     &TForm1::temp_filesExecute,
     &TForm1::removetempExecute,
     NoIgnoredItems,
     NoFlags},
    {ClipboardRow,
     L"Clipboard",
     CategoryKind::PrivacyThreats,
     &TForm1::lvclip,
     &TForm1::Clipboard1Click,
     SharedButtons,
     5,
     {L"Scanning Clipboard", L"Scanned Clipboard", L"Repairing Clipboard", L"Repaired Clipboard"},
     {L"Status : Scanning Clipboard", L"Status : Scanned Clipboard",
      L"  Status : Repairing Clipboard", L"  Status : Repaired Clipboard"},
     &TForm1::clipExecute,
     &TForm1::removeclipExecute,
     NoIgnoredItems,
     NoFlags},
    {DumpsRow,
     L"Memory Dumps",
     CategoryKind::PrivacyThreats,
     &TForm1::lvdump,
     &TForm1::MemoryDumps1Click,
     SharedButtons,
     6,
     {L"Scanning Memory Dumps", L"Scanned Memory Dumps", L"Repairing Memory Dumps",
      L"Repaired Memory Dumps"},
     {L"Status : Scanning Memory Dumps", L"Status : Scanned Memory Dumps",
      L"  Status : Repairing Memory Dump", L"  Status : Repaired Memory Dump"},
     &TForm1::dumpExecute,
     &TForm1::removedumpExecute,
     NoIgnoredItems,
     NoFlags},
    {ChkdskRow,
     L"Chkdsk Files",
     CategoryKind::PrivacyThreats,
     &TForm1::lvchk,
     &TForm1::ChkdskFiles2Click,
     SharedButtons,
     7,
     {L"Scanning Chkdsk Files", L"Scanned Chkdsk Files", L"Repairing Chkdsk Files",
      L"Repaired Chkdsk Files"},
     {L"Status : Scanning Chkdsk Files", L"Status : Scanned Chkdsk Files",
      L"  Status : Repairing Chkdsk Files", L"  Status : Repaired Chkdsk Files"},
     &TForm1::chkExecute,
     &TForm1::removechkExecute,
     NoIgnoredItems,
     NoFlags},
    {LogFilesRow,
     L"Log Files",
     CategoryKind::PrivacyThreats,
     &TForm1::lvlog,
     &TForm1::LogFiles2Click,
     SharedButtons,
     8,
     {L"Scanning Log Files", L"Scanned Log Files", L"Repairing Log Files", L"Repaired Log Files"},
     {L"Status : Scanning Log Files", L"Status : Scanned Log Files",
      L"  Status : Repairing Log Files", L"  Status : Repaired Log Files"},
     &TForm1::logExecute,
     &TForm1::removelogExecute,
     NoIgnoredItems,
     NoFlags},
    {CookiesRow,
     L"Cookies",
     CategoryKind::PrivacyThreats,
     &TForm1::lvco,
     &TForm1::Cookies1Click,
     {&TForm1::OBco1, &TForm1::OBco1Click, &TForm1::obco2, nullptr, &TForm1::OBco3,
      &TForm1::OBco3Click, &TForm1::OBco4, &TForm1::OBco4Click},
     OwnButtons,
     {L"Scanning Cookies", L"Scanned Cookies", L"Repairing Cookies", L"Repaired Cookies"},
     {L"  Status : Scanning Cookies", L"  Status : Scanned Cookies",
      L"  Status : Repairing Cookies", L"  Status : Repaired Cookies"},
     &TForm1::CookiesExecute,
     &TForm1::removecoExecute,
     NoIgnoredItems,
     NoFlags},
    {HistoryRow,
     L"History",
     CategoryKind::PrivacyThreats,
     &TForm1::lvhis,
     &TForm1::History1Click,
     SharedButtons,
     1,
     {L"Scanning History", L"Scanned History", L"Repairing History", L"Repaired History"},
     {L"  Status : Scanning History", L"  Status : Scanned History",
      L"  Status : Repairing History", L"  Status : Repaired History"},
     &TForm1::historyExecute,
     &TForm1::removehisExecute,
     NoIgnoredItems,
     NoFlags},
    {TempIERow,
     L"Temporary IE",
     CategoryKind::PrivacyThreats,
     &TForm1::lvtempie,
     &TForm1::emporaryIE1Click,
     SharedButtons,
     9,
     {L"Scanning Temporary IE", L"Scanned Temporary IE", L"Repairing Temporary IE",
      L"Repaired Temporary IE"},
     {L"Status : Scanning Temporary IE", L"Status : Scanned Temporary IE",
      L"  Status : Repairing Temporary IE", L"  Status : Repaired Temporary IE"},
     &TForm1::tempieExecute,
     &TForm1::removetempieExecute,
     NoIgnoredItems,
     NoFlags},
    {AdvancedRow,
     L"Advanced Privacy Threats Analysis",
     CategoryKind::PrivacyThreats,
     &TForm1::lvadvanced,
     &TForm1::AdvancedAnalysis1Click,
     SharedButtons,
     10,
     {L"Advanced Privacy Threats Analyzing", L"Advanced Analyzing Completed",
      L"Repairing Privacy Threats", L"Repaired Privacy Threats"},
     {L"Status : Advanced Privacy Threats Analyzing", L"Status : Advanced Analyzing Completed",
      L"  Status : Repairing Privacy Threats", L"  Status : Repaired Privacy Threats"},
     &TForm1::advancedExecute,
     &TForm1::removeadvancedExecute,
     NoIgnoredItems,
     NoFlags},
    {ProgressiveRow,
     L"Progressive Registry Analysis",
     CategoryKind::Registry,
     &TForm1::LV2,
     &TForm1::ProgressiveClick,
     {&TForm1::OBda1, &TForm1::OBda1Click, &TForm1::OBda2, nullptr, &TForm1::OBda3,
      &TForm1::OBda3Click, &TForm1::OBda4, &TForm1::OBda4Click},
     OwnButtons,
     {L"Progressive Registry Analyzing", L"Progressive Analyzing Completed", L"Repairing Registry",
      L"Repaired Registry"},
     {L"Status : Progressive Registry Analyzing", L"Status : Progressive Analyzing Completed",
      L"Status : Repairing Invalid Filepaths ", L"Status : Repaired Invalid Filepaths"},
     &TForm1::DeepExecute,
     &TForm1::removedaExecute,
     {&TForm1::lvignoredda, L"Registry Analysis", nullptr, nullptr, nullptr},
     StartsUnchecked},
};

static_assert(std::size(Categories) == ResultsRowCount - FirstCategoryRow,
              "one entry per category row of the results list");

namespace {

constexpr bool InRowOrder() {
    for (int index = 0; index < static_cast<int>(std::size(Categories)); ++index)
        if (Categories[index].row != FirstCategoryRow + index)
            return false;
    return true;
}
static_assert(InRowOrder(), "the entries follow the results rows");

// Each shared page type names one category.
constexpr bool SharedPageTypesAreDistinct() {
    int uses[SharedPageTypeCount + 1] = {};
    for (const Category& category : Categories) {
        const int type = category.sharedPageType;
        if (type < 0 || type > SharedPageTypeCount || (type != OwnButtons && uses[type]++ != 0))
            return false;
    }
    return true;
}
static_assert(SharedPageTypesAreDistinct(), "one category per shared page type");

// A page speaks of a removal exactly where the category has a remove action.
constexpr bool RemovalTextsMatchRemoveActions() {
    for (const Category& category : Categories)
        if ((category.remove == nullptr) != (category.page.repairing == nullptr))
            return false;
    return true;
}
static_assert(RemovalTextsMatchRemoveActions(), "removal texts only with a remove action");

constexpr bool SameButtons(const PageButtonSet& a, const PageButtonSet& b) {
    return a.selectAll == b.selectAll && a.selectAllClick == b.selectAllClick &&
           a.ignore == b.ignore && a.ignoreClick == b.ignoreClick && a.remove == b.remove &&
           a.removeClick == b.removeClick && a.refresh == b.refresh &&
           a.refreshClick == b.refreshClick;
}

// The shared buttons dispatch on the page type: an entry has one exactly when it has them.
constexpr bool SharedPageTypesGoWithSharedButtons() {
    for (const Category& category : Categories)
        if ((category.sharedPageType != OwnButtons) != SameButtons(category.buttons, SharedButtons))
            return false;
    return true;
}
static_assert(SharedPageTypesGoWithSharedButtons(),
              "a shared page type exactly with the shared buttons");

// "Ignore Items" writes the category's file, and only a kept entry can be taken out again.
constexpr bool IgnoreButtonsGoWithIgnoreFiles() {
    for (const Category& category : Categories) {
        const IgnoredItems& ignored = category.ignored;
        const bool file = ignored.fileName != nullptr;
        if ((category.buttons.ignoreClick != nullptr) != file ||
            (ignored.removeClick != nullptr) != file || (file && !ignored.list))
            return false;
    }
    return true;
}
static_assert(IgnoreButtonsGoWithIgnoreFiles(), "an ignore file exactly with its buttons");

} // namespace

const wchar_t* KindText(CategoryKind kind) {
    return kind == CategoryKind::Registry ? L"Registry" : L"Privacy Threats";
}

const Category& CategoryOf(int row) {
    return Categories[row - FirstCategoryRow];
}

std::array<tk::Control*, 5> CategoryPageControls(const TForm1& form, const Category& category) {
    const PageButtonSet& buttons = category.buttons;
    return {(form.*category.list).get(), (form.*buttons.selectAll).get(),
            (form.*buttons.ignore).get(), (form.*buttons.remove).get(),
            (form.*buttons.refresh).get()};
}

bool IsRegistryRow(int row) {
    return CategoryOf(row).kind == CategoryKind::Registry;
}

} // namespace tidewell
