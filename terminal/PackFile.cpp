#include "terminal/PackFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "packs/QuestionPack.h"

namespace {

FileFault FaultOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR: return FileFault::Missing;
        case EISDIR: return FileFault::Folder;
        case EACCES:
        case EPERM: return FileFault::NotAllowed;
        default: return FileFault::Unreadable;
    }
}

// Closes the file however the reading ends.
class OpenFile {
public:
    explicit OpenFile(int descriptor) : m_descriptor(descriptor) {}
    ~OpenFile() {
        if (m_descriptor >= 0) {
            close(m_descriptor);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int Descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
};

}  // namespace

FileFault ReadPackFile(const char* path, std::string& bytes) {
    bytes.clear();
    // Without waiting: opening a pipe would wait for its writer.
    const OpenFile file(open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Descriptor() < 0) {
        return FaultOf(errno);
    }
    struct stat status {};
    if (fstat(file.Descriptor(), &status) != 0) {
        return FaultOf(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return FileFault::Folder;
    }
    if (!S_ISREG(status.st_mode)) {
        return FileFault::NotAFile;
    }
    if (static_cast<unsigned long long>(status.st_size) > kPackSizeLimit) {
        return FileFault::TooLarge;
    }
    // A file that grows while it is read is read only up to the limit and one byte more.
    bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t read = 0;
    while (read <= kPackSizeLimit) {
        if (read == bytes.size()) {
            bytes.resize(std::min(bytes.size() * 2, kPackSizeLimit + 1));
        }
        const ssize_t got = ::read(file.Descriptor(), bytes.data() + read, bytes.size() - read);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            bytes.clear();
            return FaultOf(errno);
        }
        if (got == 0) {
            break;
        }
        read += static_cast<std::size_t>(got);
    }
    bytes.resize(read);
    if (read > kPackSizeLimit) {
        bytes.clear();
        return FileFault::TooLarge;
    }
    return FileFault::None;
}
