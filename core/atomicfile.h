// Writing a file so that a full disk, a file-size limit or a crash never costs the old
// one: the bytes go to a new file beside the target, are written completely, synced
// and closed, and only then is the new file renamed over the target. Until that rename
// the target keeps its old bytes; after a failure the new file is removed again. No Qt:
// the exports, the results file and the batch tool all write through here.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace atomicfile {

// What became of a write: no error, or the errno value of the step that failed
// (ENOSPC, EFBIG, EACCES, ...). `ECANCELED` when the producer of a streamed file gave up.
struct WriteResult
{
    int error = 0;

    bool ok() const { return error == 0; }
    explicit operator bool() const { return ok(); }
};

// The reason of a failed write as a short sentence in the chosen language (UTF-8), for
// messages that say why: "Kein Platz auf dem Datenträger." Empty for success.
std::string reasonText(const WriteResult &result);

// A file being written beside its target. Nothing the target holds changes until
// commit() succeeds; destroying an uncommitted file removes it.
class PendingFile
{
public:
    // Creates the new file (a hidden, unique name in the target's folder). A target that
    // is a symbolic link is replaced where the link points, as an editor saving through
    // it would. An existing target's permissions are kept; a new file gets the usual
    // ones (0666 less the umask).
    explicit PendingFile(const std::string &target);
    ~PendingFile();
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    // The first failure so far (creating, appending); commit() reports it too.
    WriteResult status() const { return { m_error }; }
    // The new file's name, for a library that opens files by name (it must write the
    // same file, not replace it); empty when it could not be created.
    const std::string &temporaryPath() const { return m_temporary; }

    // Appends all of `bytes` (short writes and interrupted calls are continued); after
    // a failure it does nothing and returns false.
    bool append(std::string_view bytes);
    // Marks the write as failed with `error` (e.g. the producer could not finish).
    void fail(int error);
    // Syncs and closes the new file and renames it over the target; on any failure the
    // new file is removed and the target left as it was.
    WriteResult commit();
    // Removes the new file; the target stays as it was.
    void discard();

private:
    void flush();
    void write(const char *data, std::size_t size);

    std::string m_target; // where the link points, if the target is a link
    std::string m_temporary;
    int m_fd = -1;
    int m_error = 0;
    std::string m_buffer; // appends are gathered into large writes
    long long m_written = 0; // bytes in the new file
    long long m_handedToDisk = 0; // bytes whose writing to the disk has been started
};

// Writes `bytes` as the whole new content of `path`.
WriteResult writeFile(const std::string &path, std::string_view bytes);

// Writes a file that `produce` makes piece by piece through `append`, so that a large
// export need not be held in memory twice. `produce` returns false to give up (the
// target then stays as it was); `append` returns false once a write has failed, and
// the producer may stop early then.
using Append = std::function<bool(std::string_view)>;
WriteResult writeFileStreamed(
    const std::string &path, const std::function<bool(const Append &)> &produce);

} // namespace atomicfile
