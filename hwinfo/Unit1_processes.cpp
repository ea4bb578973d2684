#include "hwinfo/Unit1.h"

#include "hwinfo/VerInfoRes.h"

namespace corvane {

namespace {

const DWORD SystemIdleProcessId = 0;

// The shell's small icon for the file's type in the image list; -1 when there is none.
int AddFileIcon(tk::ImageList& images, const std::wstring& path) {
    const tk::IconHandle icon = GetFileSmallIcon(path, true);
    return icon ? images.addIcon(icon.get()) : -1;
}

// Whether the path names the file's folder; a bare name names no file that can be read.
bool NamesFolder(const std::wstring& path) {
    return path.find(L'\\') != std::wstring::npos;
}

} // namespace

void TForm1::processes_infoExecute() {
    TPageFill fill(*this, TInfoTab::System);
    LV2->clear();
    ImageList5.create(ImageList5.width(), ImageList5.height());
    LV2->setSmallImages(&ImageList5);
    std::vector<TProcessPath> processes;
    ListProcessPaths(&processes, ProcessSource);
    for (const TProcessPath& process : processes) {
        if (process.Id == SystemIdleProcessId)
            continue;
        const std::wstring& path = process.Path;
        TFileVersionRecord version;
        if (NamesFolder(path))
            ReadFileVersionInfo(path, version);
        TInfoRow nameRow = DataRow(PathFileName(path), version.FileDescription);
        nameRow.ImageIndex = AddFileIcon(ImageList5, path);
        AddInfoRow(*LV2, nameRow);
        AddInfoRow(*LV2, DataRow(L"File Version", version.FileVersion));
        AddInfoRow(*LV2, DataRow(L"File Path", path));
    }
}

} // namespace corvane
