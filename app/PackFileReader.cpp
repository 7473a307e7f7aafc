#include "app/PackFileReader.h"

#include <windows.h>

#include "packs/QuestionPack.h"

namespace {

// The file stays open while it is read, and closes however the reading ends.
class PackFileHandle {
public:
    explicit PackFileHandle(const wchar_t* path)
        : m_handle(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {}
    ~PackFileHandle() {
        if (IsOpen()) {
            CloseHandle(m_handle);
        }
    }
    PackFileHandle(const PackFileHandle&) = delete;
    PackFileHandle& operator=(const PackFileHandle&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return m_handle; }

private:
    HANDLE m_handle;
};

// A folder cannot be opened as a file, and the system says so in words of its own: most often
// that access is denied, or that there is no such file when the name ends in a backslash.
FileFault FaultOfOpening(const wchar_t* path, DWORD error) {
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileFault::Folder;
    }
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME: return FileFault::Missing;
        case ERROR_ACCESS_DENIED: return FileFault::NotAllowed;
        default: return FileFault::Unreadable;
    }
}

}  // namespace

FileFault ReadPackFile(const wchar_t* path, std::string& bytes) {
    bytes.clear();
    const PackFileHandle file(path);
    if (!file.IsOpen()) {
        return FaultOfOpening(path, GetLastError());
    }
    // A device or a pipe may never end.
    if (GetFileType(file.Handle()) != FILE_TYPE_DISK) {
        return FileFault::NotAFile;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Handle(), &size)) {
        return FileFault::Unreadable;
    }
    if (size.QuadPart > static_cast<LONGLONG>(kPackSizeLimit)) {
        return FileFault::TooLarge;
    }
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t total = 0;
    // A file that shrinks while it is read ends where its bytes end; what it grows by is not read.
    while (total < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.Handle(), bytes.data() + total, static_cast<DWORD>(bytes.size() - total), &read, nullptr)) {
            bytes.clear();
            return FileFault::Unreadable;
        }
        if (read == 0) {
            break;
        }
        total += read;
    }
    bytes.resize(total);
    return FileFault::None;
}
