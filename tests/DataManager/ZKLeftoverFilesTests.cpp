#include "DataManagerTest.h"

#include "foundation/AtomicFile.h"
#include "foundation/Environment.h"
#include "foundation/SharedInstances.h"

namespace {

namespace fs = std::filesystem;

class ZKLeftoverFilesTest : public DataManagerTest {
protected:
    static fs::path preferences() { return platform::Environment::preferencesDirectory(); }

    static fs::path write(const fs::path& path)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << "left";
        return path;
    }

    static fs::path temporaryBeside(const fs::path& target)
    {
        return write(platform::AtomicFile::temporaryPathFor(target));
    }

    // The SDK as the next launch starts it.
    static void relaunch()
    {
        platform::SharedInstances::resetAll();
        ZKTransactionManager::sharedInstance();
    }
};

TEST_F(ZKLeftoverFilesTest, TheNextStartRemovesWhatInterruptedWorkLeftAndNothingElse)
{
    storeTransaction(localDraft("KEPT"));
    const auto kept = preferences() / "KEPT";
    const auto removed = std::vector<fs::path>{
        write(kept / "copied-before-a-failed-save.pdf"),
        temporaryBeside(kept / "lease.pdf"),
        write(preferences() / "ORPHAN" / "a.pdf"),
        write(preferences() / "ORPHAN" / "b.PDF"),
        write(preferences() / "MIXED" / "a.pdf"),
        temporaryBeside(preferences() / "UserDefaults.json"),
        temporaryBeside(preferences() / "FRESH"),
        write(preferences() / "VeltDownloads" / "9F1C" / "document-1.pdf"),
        temporaryBeside(preferences() / "CorvexTMPFolder" / "DRAFT" / "scan.pdf"),
        write(preferences() / "CorvexTMPFolder" / "DRAFT" / "scan.pdf"),
        write(preferences() / "CorvexTMPFolder" / "notes.pdf"),
    };
    const auto untouched = std::vector<fs::path>{
        kept / "lease.pdf",
        write(kept / "notes.txt"),
        write(preferences() / "MIXED" / "settings.json"),
        write(preferences() / "host.pdf"),
        write(preferences() / "notes.1234.tmp"),
        write(home() / "Documents" / "other.pdf"),
    };

    relaunch();
    for (const auto& path : removed) {
        EXPECT_FALSE(fs::exists(path)) << path;
    }
    for (const auto& path : untouched) {
        EXPECT_TRUE(fs::exists(path)) << path;
    }
    EXPECT_FALSE(fs::exists(preferences() / "ORPHAN")) << "a folder it emptied goes too";
    EXPECT_TRUE(ZKTransactionManager::sharedInstance()->transactionWithId("KEPT"));
}

TEST_F(ZKLeftoverFilesTest, AStoreThatDidNotOpenAsItWasRemovesNothing)
{
    const auto pdf = write(preferences() / "ORPHAN" / "a.pdf");
    std::ofstream(ZKCoreDataManager::defaultStorePath(), std::ios::binary) << "not a store";
    relaunch();
    EXPECT_TRUE(ZKTransactionManager::sharedInstance()->dataManager()->storeError());
    EXPECT_TRUE(fs::exists(pdf));
}

} // namespace
