#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Packs on disk for the window's tests, in a folder of their own that goes when the test ends.
class PackFolder {
public:
    PackFolder() {
        wchar_t temp[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, temp);
        m_path = std::wstring(temp) + L"mendo-packs-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(++s_made);
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~PackFolder() {
        for (const std::wstring& file : m_files) {
            DeleteFileW(file.c_str());
        }
        for (auto folder = m_folders.rbegin(); folder != m_folders.rend(); ++folder) {
            RemoveDirectoryW(folder->c_str());
        }
        RemoveDirectoryW(m_path.c_str());
    }
    PackFolder(const PackFolder&) = delete;
    PackFolder& operator=(const PackFolder&) = delete;

    // The file's path, with the bytes written into it.
    std::wstring Write(const std::wstring& name, const std::string& bytes) {
        const std::wstring path = Path(name);
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        return path;
    }

    // A file of the size that holds no bytes written, as the file system keeps it.
    std::wstring WriteSized(const std::wstring& name, LONGLONG size) {
        const std::wstring path = Path(name);
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        LARGE_INTEGER end{};
        end.QuadPart = size;
        SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
        return path;
    }

    std::wstring Folder(const std::wstring& name) {
        const std::wstring path = m_path + L"\\" + name;
        CreateDirectoryW(path.c_str(), nullptr);
        m_folders.push_back(path);
        return path;
    }

private:
    std::wstring Path(const std::wstring& name) {
        const std::wstring path = m_path + L"\\" + name;
        m_files.push_back(path);
        return path;
    }

    static inline int s_made = 0;
    std::wstring m_path;
    std::vector<std::wstring> m_files;
    std::vector<std::wstring> m_folders;
};

// Question n of the tests' packs as the pack writes it, and its right answer: in UTF-8, as the
// sources are compiled to Windows-1251.
inline std::string CapitalQuestion(int n) {
    return u8"Столицата на държава номер " + std::to_string(n) + u8" е";
}
inline std::string CapitalAnswer(int n) {
    return u8"град " + std::to_string(n);
}

// Questions first to last in Aiken, the right one lettered by turns A to D.
inline std::string CapitalsPack(int first, int last) {
    std::string text;
    for (int n = first; n <= last; ++n) {
        const int right = n % 4;
        std::string choices[4] = {u8"село " + std::to_string(n), u8"връх " + std::to_string(n),
                                  u8"река " + std::to_string(n), u8"езеро " + std::to_string(n)};
        choices[right] = CapitalAnswer(n);
        text += CapitalQuestion(n) + "\nA) " + choices[0] + "\nB) " + choices[1] + "\nC) " + choices[2] + "\nD) " +
                choices[3] + "\nANSWER: " + static_cast<char>('A' + right) + "\n\n";
    }
    return text;
}
