// The wizard's costs against plain baselines in the same run: one full paint with the banner against the
// same paint without it, and one whole installation run of the 53 files through the real install aide
// against a plain loop that copies the same files with the same flush-and-rename.
#include "hotsync/AtomicFile.h"
#include "hotsync/UserStore.h"
#include "install/AideConnection.h"
#include "install/InstallList.h"
#include "install/ProgressPage.h"
#include "resources/ResourceIds.h"
#include "resources/SetupResources.h"
#include "shell/SetupWizardDlg.h"
#include "toolkit/WindowSystem.h"
#include "toolkit/display/HeadlessDisplay.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum class Banner { Shown, Missing };

// Runs `body` while the wizard is open on a headless display.
template <class Body> void WithWizard(Banner banner, Body body)
{
    tk::HeadlessDisplay display;
    tk::ResourceModule module;
    tk::WindowSystem::Get().SetDisplay(&display);
    tk::AfxSetResourceHandle(&module);
    RegisterSetupResources(module);
    if (banner == Banner::Missing) {
        module.RemoveBinary(tk::RT_BITMAP, IDB_BANNER_LARGE);
        module.RemoveBinary(tk::RT_BITMAP, IDB_BANNER_SMALL);
    }
    {
        CSetupWizardDlg wizard;
        display.Then([&] { body(wizard); }).Click(tk::IDCANCEL).Answer(tk::IDYES).Click(tk::IDOK);
        wizard.DoModal();
    }
    tk::AfxSetResourceHandle(nullptr);
    tk::WindowSystem::Get().SetDisplay(nullptr);
}

void PaintWizard(benchmark::State& state, Banner banner)
{
    WithWizard(banner, [&](CSetupWizardDlg& wizard) {
        tk::Surface surface;
        for (auto _ : state) {
            tk::WindowSystem::Get().Paint(wizard, surface);
            benchmark::DoNotOptimize(surface.Pixels().data());
        }
    });
}

void BM_WizardPaint_WithoutBanner(benchmark::State& state)
{
    PaintWizard(state, Banner::Missing);
}
void BM_WizardPaint_WithBanner(benchmark::State& state)
{
    PaintWizard(state, Banner::Shown);
}

fs::path BinFolder()
{
    return fs::read_symlink("/proc/self/exe").parent_path();
}

// A fresh store with one user, removed again when the benchmark ends.
struct TemporaryStore {
    fs::path root = fs::temp_directory_path() / ("olvex-bench-" + std::to_string(::getpid()));
    hotsync::UserStore store{root};
    TemporaryStore()
    {
        fs::remove_all(root);
        setenv("HOTSYNC_HOME", root.c_str(), 1);
        store.AddUser("Bench User");
    }
    ~TemporaryStore() { fs::remove_all(root); }
    void EmptyInstallFolder() const
    {
        for (const auto& entry : fs::directory_iterator(store.InstallFolder("Bench User"))) {
            if (entry.path().filename() != hotsync::UserStore::LockFileName) {
                fs::remove(entry.path());
            }
        }
    }
};

void BM_InstallRun_ThroughWizard(benchmark::State& state)
{
    TemporaryStore temporary;
    const olvex::LoadedInstallAide aide(BinFolder() / olvex::LoadedInstallAide::LibraryFileName);
    olvex::UseInstallAide(aide.Calls());
    WithWizard(Banner::Shown, [&](CSetupWizardDlg& wizard) {
        auto& progress = dynamic_cast<CProgressPage&>(*wizard.Page(PAGE_PROGRESS));
        for (auto _ : state) {
            wizard.InstallFiles("Bench User", 1, progress.m_progress, progress.m_strStatus);
            state.PauseTiming();
            temporary.EmptyInstallFolder();
            state.ResumeTiming();
        }
    });
}

void BM_InstallRun_PlainCopyLoop(benchmark::State& state)
{
    TemporaryStore temporary;
    const fs::path payload = BinFolder() / "payload";
    const fs::path folder = temporary.store.InstallFolder("Bench User");
    fs::create_directories(folder);
    std::vector<std::string> names{olvex::COLOR_APPLICATION_FILE};
    for (std::size_t k = 1; k < olvex::INSTALL_LIST_SIZE; ++k) {
        names.emplace_back(olvex::g_installFiles[k]);
    }
    for (auto _ : state) {
        for (const std::string& name : names) {
            std::ifstream in(payload / name, std::ios::binary);
            const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                                  std::istreambuf_iterator<char>());
            hotsync::WriteFileAtomically(folder, name, bytes, hotsync::ExistingFile::Keep);
        }
        state.PauseTiming();
        temporary.EmptyInstallFolder();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_WizardPaint_WithoutBanner);
BENCHMARK(BM_WizardPaint_WithBanner);
BENCHMARK(BM_InstallRun_PlainCopyLoop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_InstallRun_ThroughWizard)->Unit(benchmark::kMillisecond)->UseRealTime();
