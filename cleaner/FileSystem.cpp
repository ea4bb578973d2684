#include "cleaner/FileSystem.h"

namespace {

template <class Getter> std::wstring SystemText(Getter get) {
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        const UINT length = get(text.data(), static_cast<UINT>(text.size()));
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(length + 1);
    }
}

void AppendPathList(const std::wstring& list, std::vector<std::wstring>& folders) {
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(L';', start);
        if (end == std::wstring::npos)
            end = list.size();
        std::wstring folder = list.substr(start, end - start);
        if (folder.size() >= 2 && folder.front() == L'"' && folder.back() == L'"')
            folder = folder.substr(1, folder.size() - 2);
        if (!folder.empty())
            folders.push_back(folder);
        start = end + 1;
    }
}

} // namespace

std::vector<std::wstring> SearchFolders() {
    const std::wstring windowsFolder = WindowsFolder();
    std::vector<std::wstring> folders{
        ProgramFolder(), SystemText([](wchar_t* buffer, UINT size) {
            return static_cast<UINT>(GetCurrentDirectoryW(size, buffer));
        }),
        SystemText([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); }),
        windowsFolder + L"\\System", windowsFolder};
    AppendPathList(SystemText([](wchar_t* buffer, UINT size) {
                       return static_cast<UINT>(GetEnvironmentVariableW(L"PATH", buffer, size));
                   }),
                   folders);
    return folders;
}
