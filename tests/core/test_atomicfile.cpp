// The atomic file writer and the bounded reader. A full disk is imitated without root
// by a file-size limit: a child process under RLIMIT_FSIZE with SIGXFSZ ignored gets
// EFBIG from write() exactly where a full disk gives ENOSPC.
#include "core/atomicfile.h"
#include "core/boundedread.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string slurp(const std::string &path)
{
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

std::set<std::string> folderEntries(const std::string &dir)
{
    std::set<std::string> names;
    if (DIR *d = opendir(dir.c_str())) {
        while (const dirent *e = readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                names.insert(e->d_name);
        closedir(d);
    }
    return names;
}

// Bytes that differ from position to position, so a partly replaced file shows.
std::string pattern(std::size_t size, char seed)
{
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        s[i] = static_cast<char>(seed + static_cast<char>(i * 31 % 97));
    return s;
}

class AtomicFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char templ[] = "/tmp/dravon-atomic-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        dir = templ;
        target = dir + "/ziel.csv";
    }
    void TearDown() override
    {
        chmod(dir.c_str(), 0700);
        EXPECT_EQ(std::system(("rm -rf '" + dir + "'").c_str()), 0);
    }

    // Runs `write` in a child whose files may grow to `limit` bytes; returns the errno
    // the write reported there (0 for success), or -1 when the child did not finish.
    template <typename Write> int underSizeLimit(rlim_t limit, Write write)
    {
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit r { limit, limit };
            if (setrlimit(RLIMIT_FSIZE, &r) != 0)
                _exit(255);
            _exit(write().error & 0x7f);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string dir, target;
};

TEST_F(AtomicFileTest, ReplacesTheTargetAndLeavesNothingElse)
{
    const std::string old = pattern(5000, 'a');
    ASSERT_TRUE(atomicfile::writeFile(target, old));
    EXPECT_EQ(slurp(target), old);
    const std::string shorter = "Teufe;Neigung\r\n1,5;2\r\n";
    ASSERT_TRUE(atomicfile::writeFile(target, shorter));
    EXPECT_EQ(slurp(target), shorter); // no tail of the longer old content
    EXPECT_EQ(folderEntries(dir), std::set<std::string> { "ziel.csv" });

    // Empty content is a file too.
    ASSERT_TRUE(atomicfile::writeFile(target, ""));
    EXPECT_EQ(slurp(target), "");
}

TEST_F(AtomicFileTest, KeepsPermissionsOfTheReplacedFileAndHonoursTheUmaskForNewOnes)
{
    const mode_t oldMask = umask(022);
    ASSERT_TRUE(atomicfile::writeFile(target, "neu"));
    struct stat st;
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    ASSERT_TRUE(atomicfile::writeFile(target, "wieder"));
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    umask(oldMask);
}

TEST_F(AtomicFileTest, WritesThroughASymbolicLink)
{
    ASSERT_TRUE(atomicfile::writeFile(target, "alt"));
    const std::string link = dir + "/verweis.csv";
    ASSERT_EQ(symlink("ziel.csv", link.c_str()), 0);
    ASSERT_TRUE(atomicfile::writeFile(link, "neu"));
    struct stat st;
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(slurp(target), "neu");
}

// The heart of it: every way a write can fail short of the end leaves the old file
// byte for byte and no temporary file behind. Sizes straddle the writer's internal
// buffer so that the failure comes both from a large direct write and from a flush.
TEST_F(AtomicFileTest, AFullDiskLeavesTheOldFileAsItWas)
{
    const std::string old = pattern(3000, 'A');
    ASSERT_TRUE(atomicfile::writeFile(target, old));
    // The last size is written on a second thread while the next bytes are made.
    for (const std::size_t size :
        { std::size_t(4097), std::size_t(70000), std::size_t(300000), std::size_t(9000000) }) {
        SCOPED_TRACE(size);
        const std::string big = pattern(size, 'k');
        EXPECT_EQ(underSizeLimit(4096, [&] { return atomicfile::writeFile(target, big); }), EFBIG);
        // Streamed in small pieces: the failure shows in a flush of the buffer.
        EXPECT_EQ(underSizeLimit(4096,
                      [&] {
                          return atomicfile::writeFileStreamed(
                              target, [&](const atomicfile::Append &append) {
                                  for (std::size_t at = 0; at < big.size(); at += 1000)
                                      if (!append(std::string_view(big).substr(at, 1000)))
                                          return true; // the writer knows why
                                  return true;
                              });
                      }),
            EFBIG);
        EXPECT_EQ(slurp(target), old);
        EXPECT_EQ(folderEntries(dir), std::set<std::string> { "ziel.csv" });
    }
    // Within the limit the same child succeeds: the limit, not the child, made it fail.
    const std::string small = pattern(4000, 'z');
    EXPECT_EQ(underSizeLimit(4096, [&] { return atomicfile::writeFile(target, small); }), 0);
    EXPECT_EQ(slurp(target), small);
}

// A long streamed file is written a buffer at a time on a second thread while the
// producer goes on: the bytes arrive complete and in order.
TEST_F(AtomicFileTest, ALongStreamedFileKeepsItsBytesInOrder)
{
    std::string expected;
    const atomicfile::WriteResult r
        = atomicfile::writeFileStreamed(target, [&](const atomicfile::Append &append) {
              for (int line = 0; line < 700000; ++line) {
                  const std::string text = std::to_string(line) + ",Zeile\n";
                  expected += text;
                  if (!append(text))
                      return false;
              }
              return true;
          });
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_GT(expected.size(), std::size_t { 8 } << 20);
    EXPECT_TRUE(slurp(target) == expected);
}

TEST_F(AtomicFileTest, AProducerThatGivesUpLeavesTheOldFile)
{
    ASSERT_TRUE(atomicfile::writeFile(target, "alt"));
    const atomicfile::WriteResult r
        = atomicfile::writeFileStreamed(target, [](const atomicfile::Append &append) {
              append("halb");
              return false;
          });
    EXPECT_EQ(r.error, ECANCELED);
    EXPECT_EQ(slurp(target), "alt");
    EXPECT_EQ(folderEntries(dir), std::set<std::string> { "ziel.csv" });
}

TEST_F(AtomicFileTest, AReadOnlyFolderOrAMissingOneIsReportedAndChangesNothing)
{
    ASSERT_TRUE(atomicfile::writeFile(target, "alt"));
    ASSERT_EQ(chmod(dir.c_str(), 0555), 0);
    // In a child, which gives up root first: root may write into any folder.
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0)
            _exit(255);
        const atomicfile::WriteResult r = atomicfile::writeFile(target, "neu");
        _exit(r.error == EACCES && atomicfile::reasonText(r) == "Keine Berechtigung." ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(slurp(target), "alt");
    EXPECT_EQ(folderEntries(dir), std::set<std::string> { "ziel.csv" });
    ASSERT_EQ(chmod(dir.c_str(), 0700), 0);

    EXPECT_EQ(atomicfile::writeFile(dir + "/fehlt/ziel.csv", "x").error, ENOENT);
    EXPECT_EQ(atomicfile::writeFile(dir, "x").error, EISDIR);
}

TEST(BoundedRead, ReadsUpToTheBoundAndRefusesMore)
{
    char templ[] = "/tmp/dravon-read-XXXXXX";
    const int fd = mkstemp(templ);
    ASSERT_GE(fd, 0);
    close(fd);
    const std::string path = templ;
    const std::string content = pattern(200000, '0');
    ASSERT_TRUE(atomicfile::writeFile(path, content));

    std::string bytes;
    EXPECT_TRUE(boundedread::readFile(path, bytes).ok());
    EXPECT_EQ(bytes, content);
    // Exactly the bound is allowed, one byte more is not.
    EXPECT_TRUE(boundedread::readFile(path, bytes, content.size()).ok());
    EXPECT_EQ(bytes, content);
    EXPECT_EQ(boundedread::readFile(path, bytes, content.size() - 1).status,
        boundedread::ReadStatus::TooLarge);

    EXPECT_EQ(
        boundedread::readFile(path + ".fehlt", bytes).status, boundedread::ReadStatus::CannotOpen);
    EXPECT_EQ(boundedread::readFile("/tmp", bytes).status, boundedread::ReadStatus::ReadError);
    unlink(path.c_str());
}

} // namespace
