// What a full disk, a read-only folder, a crash in the middle of a copy and a second writer leave behind.
// The faults enter through the write function of the code behind the install entry point; everything
// else runs as it does in the aide.
#include "hotsync/AtomicFile.h"
#include "hotsync/ExecutableFolder.h"
#include "hotsync/InstAideCodes.h"
#include "hotsync/PayloadInstall.h"
#include "hotsync/UserStore.h"
#include "tests/hotsync/TestSupport.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace hotsync;
using namespace hotsync::test;

constexpr const char* User = "Palm User";
constexpr const char* CodeSet = "VCR_ORMANDI.PDB";

class Pipe {
public:
    Pipe()
    {
        if (pipe2(m_fds, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe");
        }
    }
    ~Pipe()
    {
        close(m_fds[0]);
        close(m_fds[1]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    [[nodiscard]] int ReadEnd() const { return m_fds[0]; }
    [[nodiscard]] int WriteEnd() const { return m_fds[1]; }
    void Signal() const { (void)!write(m_fds[1], "x", 1); }
    bool Await() const
    {
        char c = 0;
        return read(m_fds[0], &c, 1) == 1;
    }

private:
    int m_fds[2] = {-1, -1};
};

// A child process running one aide call; its result code comes back through a pipe.
class Child {
public:
    explicit Child(const std::function<int()>& body)
    {
        m_pid = fork();
        if (m_pid == 0) {
            const int code = body();
            (void)!write(m_result.WriteEnd(), &code, sizeof code);
            _exit(0);
        }
    }
    ~Child()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    [[nodiscard]] pid_t Pid() const { return m_pid; }

    int Result()
    {
        int code = 1;
        const bool got = read(m_result.ReadEnd(), &code, sizeof code) == sizeof code;
        waitpid(std::exchange(m_pid, -1), nullptr, 0);
        return got ? code : 1;
    }

    void Kill()
    {
        kill(m_pid, SIGKILL);
        waitpid(std::exchange(m_pid, -1), nullptr, 0);
    }

private:
    Pipe m_result;
    pid_t m_pid = -1;
};

// Writes half of the first chunk, says so, and then waits for a release that may never come.
WriteFunction StallingWrite(const Pipe& halfway, const Pipe& release)
{
    return [&halfway, &release, first = true](int fd, const void* data, std::size_t size) mutable -> ssize_t {
        if (!first) {
            return ::write(fd, data, size);
        }
        first = false;
        const ssize_t written = ::write(fd, data, size / 2);
        halfway.Signal();
        release.Await();
        return written;
    };
}

class AideFaults : public ::testing::Test {
protected:
    TemporaryFolder m_folder;
    fs::path m_root = m_folder.Path() / "store";
    ScopedStoreHome m_home{m_root};
    UserStore m_store{m_root};
    fs::path m_target;

    void SetUp() override
    {
        m_store.AddUser(User);
        m_target = m_store.InstallFolder(User) / CodeSet;
    }

    int Install(const WriteFunction& write = SystemWrite)
    {
        return InstallPayloadFile(m_store, PayloadFolder(), User, CodeSet, write);
    }

    [[nodiscard]] std::vector<std::string> Temporaries() const
    {
        std::vector<std::string> found;
        for (const std::string& entry : FolderEntries(m_store.InstallFolder(User))) {
            if (entry.starts_with(TemporaryPrefix(CodeSet))) {
                found.push_back(entry);
            }
        }
        return found;
    }

    [[nodiscard]] bool FolderLockIsHeld() const
    {
        const int fd =
            open((m_store.InstallFolder(User) / UserStore::LockFileName).c_str(), O_RDONLY | O_CLOEXEC);
        const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        close(fd);
        return held;
    }
};

TEST_F(AideFaults, FullDiskLeavesNothingBehind)
{
    int calls = 0;
    const auto fullDisk = [&calls](int fd, const void* data, std::size_t size) -> ssize_t {
        if (++calls == 1) {
            return ::write(fd, data, std::min<std::size_t>(size, 100));
        }
        errno = ENOSPC;
        return -1;
    };
    EXPECT_EQ(Install(fullDisk), INSTAIDE_IO_FAILURE);
    EXPECT_FALSE(fs::exists(m_target));
    EXPECT_TRUE(Temporaries().empty());
    EXPECT_EQ(Install(), INSTAIDE_OK);
}

TEST_F(AideFaults, ShortWritesStillGiveTheWholeFile)
{
    const auto dribble = [](int fd, const void* data, std::size_t size) {
        return ::write(fd, data, std::min<std::size_t>(size, 7));
    };
    EXPECT_EQ(Install(dribble), INSTAIDE_OK);
    EXPECT_EQ(ReadBytes(m_target), ReadBytes(PayloadFile(CodeSet)));
}

TEST_F(AideFaults, ReadOnlyInstallFolderGivesAnIoFailure)
{
    ASSERT_EQ(Install(), INSTAIDE_OK);  // leaves the folder's lock file in place
    ASSERT_EQ(ClearWaitingFile(m_store, User, CodeSet), INSTAIDE_OK);
    // Root writes anywhere, so the child gives up root before it tries.
    fs::permissions(m_folder.Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(m_store.InstallFolder(User), fs::perms::owner_read | fs::perms::owner_exec |
                                                     fs::perms::group_read | fs::perms::group_exec |
                                                     fs::perms::others_read | fs::perms::others_exec);
    TemporaryFolder payload;
    fs::permissions(payload.Path(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::copy_file(PayloadFile(CodeSet), payload.Path() / CodeSet);
    fs::permissions(payload.Path() / CodeSet, fs::perms::owner_read | fs::perms::others_read);
    const fs::path& payloadFolder = payload.Path();

    Child child([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            return 1;
        }
        return InstallPayloadFile(m_store, payloadFolder, User, CodeSet);
    });
    EXPECT_EQ(child.Result(), INSTAIDE_IO_FAILURE);
    EXPECT_FALSE(fs::exists(m_target));
    EXPECT_TRUE(Temporaries().empty());
}

TEST_F(AideFaults, CrashInTheMiddleOfACopyLeavesNothingUnderTheRealName)
{
    Pipe halfway;
    Pipe release;
    Child child([&] { return Install(StallingWrite(halfway, release)); });
    ASSERT_TRUE(halfway.Await());
    EXPECT_EQ(Temporaries().size(), 1u);
    EXPECT_FALSE(fs::exists(m_target));
    EXPECT_TRUE(FolderLockIsHeld());

    child.Kill();
    EXPECT_FALSE(fs::exists(m_target));
    EXPECT_FALSE(FolderLockIsHeld());
    // The next offer sweeps up the dead writer's temporary and places the whole file.
    EXPECT_EQ(Aide().installFile(User, CodeSet), INSTAIDE_OK);
    EXPECT_EQ(ReadBytes(m_target), ReadBytes(PayloadFile(CodeSet)));
    EXPECT_TRUE(Temporaries().empty());
}

// True once the process `pid` waits for a file lock.
bool WaitsForALock(pid_t pid)
{
    std::ifstream locks("/proc/locks");
    const std::string waiter = " " + std::to_string(pid) + " ";
    for (std::string line; std::getline(locks, line);) {
        if (line.find("->") != std::string::npos && line.find(waiter) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST_F(AideFaults, ASecondWriterWaitsForTheFirst)
{
    Pipe halfway;
    Pipe release;
    Aide();  // loaded before the fork, so that the child need not load it
    Child first([&] { return Install(StallingWrite(halfway, release)); });
    ASSERT_TRUE(halfway.Await());
    Child second([] { return Aide().installFile(User, CodeSet); });

    bool waiting = false;
    for (int attempt = 0; attempt < 2000 && !waiting; ++attempt) {
        waiting = WaitsForALock(second.Pid());
        if (!waiting) {
            usleep(5000);
        }
    }
    ASSERT_TRUE(waiting) << "the second writer never blocked on the folder's lock";
    release.Signal();
    EXPECT_EQ(first.Result(), INSTAIDE_OK);
    EXPECT_EQ(second.Result(), INSTAIDE_FILE_EXISTS);
    EXPECT_EQ(ReadBytes(m_target), ReadBytes(PayloadFile(CodeSet)));
    EXPECT_TRUE(Temporaries().empty());
}

}  // namespace
