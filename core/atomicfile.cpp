#include "core/atomicfile.h"

#include "i18n/i18n.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace atomicfile {

namespace {

    // Appends are gathered up to this size before they go to the file.
    constexpr std::size_t kBufferBytes = 1 << 16;

    std::string folderOf(const std::string &path)
    {
        const std::size_t slash = path.rfind('/');
        if (slash == std::string::npos)
            return ".";
        return slash == 0 ? "/" : path.substr(0, slash);
    }

    std::string nameOf(const std::string &path)
    {
        const std::size_t slash = path.rfind('/');
        return slash == std::string::npos ? path : path.substr(slash + 1);
    }

    // The file a link points to, followed to its end, so that saving through a link
    // replaces the file and keeps the link. A dangling link gives its last target.
    std::string resolvedTarget(const std::string &path)
    {
        std::string current = path;
        for (int hops = 0; hops < 40; ++hops) {
            struct stat st;
            if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
                return current;
            char buffer[PATH_MAX];
            const ssize_t n = readlink(current.c_str(), buffer, sizeof buffer - 1);
            if (n <= 0)
                return current;
            const std::string link(buffer, static_cast<std::size_t>(n));
            current = link.front() == '/' ? link : folderOf(current) + "/" + link;
        }
        return current;
    }

    // Writes all of `data`: a write may take only part of it, or be interrupted by a
    // signal before it took anything.
    int writeAll(int fd, const char *data, std::size_t size)
    {
        while (size > 0) {
            const ssize_t n = ::write(fd, data, size);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            if (n == 0)
                return EIO; // no progress and no reason: do not spin
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return 0;
    }

} // namespace

std::string reasonText(const WriteResult &result)
{
    switch (result.error) {
    case 0:
        return {};
    case ENOSPC:
    case EDQUOT:
        return i18n::translate("Schreiben", "Kein Platz auf dem Datenträger.");
    case EFBIG:
        return i18n::translate("Schreiben",
            "Die Datei wird zu groß für den Datenträger oder die erlaubte Dateigröße.");
    case EACCES:
    case EPERM:
        return i18n::translate("Schreiben", "Keine Berechtigung.");
    case EROFS:
        return i18n::translate("Schreiben", "Der Datenträger ist schreibgeschützt.");
    case ENOENT:
    case ENOTDIR:
        return i18n::translate("Schreiben", "Der Ordner fehlt.");
    case EISDIR:
        return i18n::translate("Schreiben", "Unter diesem Namen gibt es einen Ordner.");
    case ECANCELED:
        return i18n::translate("Schreiben", "Die Daten konnten nicht vollständig erzeugt werden.");
    default:
        return i18n::translate("Schreiben", "Fehler beim Schreiben.");
    }
}

PendingFile::PendingFile(const std::string &target)
    : m_target(resolvedTarget(target))
{
    // Keep the permissions of the file being replaced; a new one gets what any new file
    // gets (open applies the umask to 0666).
    mode_t mode = 0666;
    bool keepMode = false;
    struct stat st;
    if (stat(m_target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            m_error = EISDIR;
            return;
        }
        mode = st.st_mode & 07777;
        keepMode = true;
    }
    // Hidden, so that a file dialog does not offer it while it is being written, and
    // unique per process and call; O_EXCL never takes over a file someone else made.
    static std::atomic<unsigned> counter { 0 };
    const std::string stem = folderOf(m_target) + "/." + nameOf(m_target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[48];
        std::snprintf(
            suffix, sizeof suffix, "%ld-%u.tmp", static_cast<long>(getpid()), counter.fetch_add(1));
        const std::string candidate = stem + suffix;
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            m_fd = fd;
            m_temporary = candidate;
            if (keepMode && fchmod(fd, mode) != 0) {
                // Not allowed to give it the old permissions (a file owned by someone
                // else): the usual ones are better than no file.
            }
            m_buffer.reserve(kBufferBytes);
            return;
        }
        if (errno != EEXIST) {
            m_error = errno;
            return;
        }
    }
    m_error = EEXIST;
}

PendingFile::~PendingFile()
{
    discard();
}

void PendingFile::flush()
{
    if (m_error == 0 && !m_buffer.empty())
        write(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
}

void PendingFile::write(const char *data, std::size_t size)
{
    m_error = writeAll(m_fd, data, size);
    if (m_error != 0)
        return;
    m_written += size;
#ifdef __linux__
    // A long file goes to the disk while the rest is made: the sync before the rename
    // then waits for the last pieces only, not for hundreds of megabytes at once. Only a
    // start of the writing; the sync in commit() still reports every failure.
    constexpr off_t kStartEvery = off_t { 8 } << 20;
    if (m_written - m_handedToDisk >= kStartEvery) {
        ::sync_file_range(m_fd, m_handedToDisk, m_written - m_handedToDisk, SYNC_FILE_RANGE_WRITE);
        m_handedToDisk = m_written;
    }
#endif
}

bool PendingFile::append(std::string_view bytes)
{
    if (m_error != 0 || m_fd < 0)
        return false;
    if (m_buffer.size() + bytes.size() > kBufferBytes) {
        flush();
        if (m_error == 0 && bytes.size() >= kBufferBytes)
            write(bytes.data(), bytes.size());
        else
            m_buffer.append(bytes);
    } else {
        m_buffer.append(bytes);
    }
    return m_error == 0;
}

void PendingFile::fail(int error)
{
    if (m_error == 0)
        m_error = error != 0 ? error : ECANCELED;
}

WriteResult PendingFile::commit()
{
    if (m_fd < 0) {
        const int error = m_error != 0 ? m_error : EBADF;
        discard();
        return { error };
    }
    flush();
    // The data must be on the disk before the name points to it, or a crash right
    // after the rename could leave an empty file where the old one was.
    if (m_error == 0 && ::fsync(m_fd) != 0)
        m_error = errno;
    // Some file systems report a failed write only when the file is closed. EINTR from
    // close leaves the descriptor closed on Linux, and the data is already synced.
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR && m_error == 0)
        m_error = errno;
    if (m_error == 0 && std::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        m_error = errno;
    if (m_error != 0) {
        const int error = m_error;
        discard();
        return { error };
    }
    m_temporary.clear();
    // The rename itself lasts once the folder is synced; the file is complete either
    // way, so a folder that cannot be synced is no failure.
    const int folder = ::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

void PendingFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
    m_buffer.clear();
}

WriteResult writeFile(const std::string &path, std::string_view bytes)
{
    PendingFile file(path);
    // Large contents go straight to the file instead of through the buffer.
    file.append(bytes);
    return file.commit();
}

WriteResult writeFileStreamed(
    const std::string &path, const std::function<bool(const Append &)> &produce)
{
    PendingFile file(path);
    if (!file.status())
        return file.commit();
    // The bytes gather in one of two buffers. A full one is written on a second thread
    // while the producer fills the other, so that making a long file's text and handing
    // it to the system overlap; a small file is written by this thread alone at the end.
    constexpr std::size_t kHandOver = std::size_t { 4 } << 20;
    std::string buffers[2];
    int filling = 0;
    std::future<bool> writing; // of the other buffer, while one is under way
    const auto settle = [&writing] { return !writing.valid() || writing.get(); };
    const Append append = [&](std::string_view bytes) {
        std::string &buffer = buffers[filling];
        buffer.append(bytes);
        if (buffer.size() < kHandOver)
            return writing.valid() || file.status().ok(); // the file is the writer's meanwhile
        if (!settle())
            return false;
        // `buffer` stays as it is until the write has been waited for.
        writing = std::async(std::launch::async, [&file, &buffer] { return file.append(buffer); });
        filling ^= 1;
        buffers[filling].clear();
        return true;
    };
    const bool produced = produce(append);
    settle();
    if (!produced)
        file.fail(ECANCELED);
    else
        file.append(buffers[filling]);
    return file.commit();
}

} // namespace atomicfile
