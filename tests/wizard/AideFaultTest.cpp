// Faults the real aide meets on disk (a full disk, a payload file gone, a damaged database), produced by
// the code behind its install entry point and reaching the user through the wizard.
#include "hotsync/AtomicFile.h"
#include "hotsync/PayloadInstall.h"
#include "hotsync/UserStore.h"
#include "install/AideConnection.h"
#include "tests/hotsync/TestSupport.h"
#include "tests/wizard/WizardFixture.h"

#include <algorithm>
#include <cerrno>

namespace wizardtest {
namespace {

using hotsync::test::FolderEntries;
using hotsync::test::PayloadFile;
using hotsync::test::ReadBytes;
namespace fs = std::filesystem;

constexpr const char* kUser = "Palm User";
constexpr const char* kFaultyFile = "TV_KESTRO.PDB";

// What the wrapped entry points work on; plain functions can only reach it as a global.
struct FaultyAide {
    fs::path storeRoot;
    fs::path payloadFolder;
    bool diskFull = false;
};

FaultyAide& Faults()
{
    static FaultyAide faults;
    return faults;
}

int InstallWithFaults(const char* user, const char* fileName)
{
    ScriptedAide().offered.emplace_back(fileName);
    const bool failWrites = Faults().diskFull && std::string(fileName) == kFaultyFile;
    const hotsync::WriteFunction write = [failWrites](int fd, const void* data, std::size_t size) -> ssize_t {
        if (failWrites) {
            errno = ENOSPC;
            return -1;
        }
        return hotsync::SystemWrite(fd, data, size);
    };
    return hotsync::InstallPayloadFile(hotsync::UserStore(Faults().storeRoot), Faults().payloadFolder, user,
                                       fileName, write);
}

int ClearWithFaults(const char* user, const char* fileName)
{
    return hotsync::ClearWaitingFile(hotsync::UserStore(Faults().storeRoot), user, fileName);
}

enum class Fault { DiskFull, MissingSource, CorruptDatabase };

struct FaultCase {
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const FaultCase& c) { return out << c.name; }
    Fault fault;
    int answer;
};

const FaultCase kFaultCases[] = {
    {"DiskFullYes", Fault::DiskFull, IDYES},
    {"DiskFullNo", Fault::DiskFull, IDNO},
    {"MissingSourceYes", Fault::MissingSource, IDYES},
    {"MissingSourceNo", Fault::MissingSource, IDNO},
    {"CorruptDatabaseYes", Fault::CorruptDatabase, IDYES},
    {"CorruptDatabaseNo", Fault::CorruptDatabase, IDNO},
};

class AideFaultTest : public WizardTest, public ::testing::WithParamInterface<FaultCase> {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        hotsync::UserStore(m_store.Path()).AddUser(kUser);
        ScriptedAide().users = {kUser};
        Faults() = {m_store.Path(), hotsync::test::BinFolder() / "payload", false};
        olvex::InstallAide calls = ScriptedAideCalls();
        calls.installFile = InstallWithFaults;
        calls.clearFile = ClearWithFaults;
        olvex::UseInstallAide(calls);
    }

    // A payload folder of our own: the real payload with the faulty file changed by `change`.
    void UseChangedPayload(const std::function<void(const fs::path&)>& change)
    {
        const fs::path copy = m_payload.Path() / "payload";
        fs::copy(Faults().payloadFolder, copy);
        change(copy / kFaultyFile);
        Faults().payloadFolder = copy;
    }

    hotsync::test::TemporaryFolder m_store;
    hotsync::test::TemporaryFolder m_payload;
};

TEST_P(AideFaultTest, FailureBoxNamesTheFileAndTheAnswerDecides)
{
    switch (GetParam().fault) {
    case Fault::DiskFull:
        Faults().diskFull = true;
        break;
    case Fault::MissingSource:
        UseChangedPayload([](const fs::path& file) { fs::remove(file); });
        break;
    case Fault::CorruptDatabase:
        UseChangedPayload([](const fs::path& file) { fs::resize_file(file, 40); });
        break;
    }
    WalkToUserPage();
    display.Click(IDOK);
    ExpectBox(FileFailedText(kFaultyFile), {IDYES, IDNO});
    display.Answer(GetParam().answer);
    ExpectPage(GetParam().answer == IDYES ? PAGE_FINISH : PAGE_INTERRUPTED);
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_EQ(MessageBoxesShown(), 1);

    // Everything offered but the faulty file waits for the user, complete; nothing half-written stays.
    const std::vector<std::string> offered = ScriptedAide().offered;
    std::vector<std::string> expected;
    std::copy_if(offered.begin(), offered.end(), std::back_inserter(expected),
                 [](const std::string& name) { return name != kFaultyFile; });
    const auto all = ExpectedOffers("OlvexRemoteC.prc");
    const auto faulty = std::find(all.begin(), all.end(), kFaultyFile);
    EXPECT_EQ(offered.size(),
              GetParam().answer == IDYES ? all.size() : static_cast<std::size_t>(faulty - all.begin()) + 1);
    const fs::path folder = hotsync::UserStore(m_store.Path()).InstallFolder(kUser);
    for (const std::string& name : expected) {
        EXPECT_EQ(ReadBytes(folder / name), ReadBytes(PayloadFile(name))) << name;
    }
    expected.emplace_back(hotsync::UserStore::LockFileName);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderEntries(folder), expected);
}

INSTANTIATE_TEST_SUITE_P(Faults, AideFaultTest, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wizardtest
