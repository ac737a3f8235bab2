// A dropped picture is redrawn, and a dropped text converted, on a worker thread; the host
// may leave the transaction before that work comes back.
#include "DocumentListTestSupport.h"

#include "DataManager/ZKTransactionManager.h"
#include "dragdrop/TypeIdentifier.h"
#include "foundation/BackgroundWork.h"
#include "foundation/RunLoop.h"
#include "graphics/Image.h"
#include "model/ZKTransaction.h"
#include "sdk/facade/Veltra.h"
#include "sdk/screens/VTAlertView.h"
#include "store/ZKFileManager.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using composer_screens_testing::Bytes;
using composer_screens_testing::DocumentListTest;
using composer_screens_testing::pdfBytes;
using composer_screens_testing::textBytes;
using platform::dragdrop::TypeIdentifier;
using Names = std::vector<std::string>;

class LateDropResultTest : public DocumentListTest {
protected:
    using Release = std::shared_ptr<std::atomic<bool>>;

    // A dropped file whose bytes are handed over only once the test lets them go.
    platform::dragdrop::DragItem heldItem(std::string_view typeIdentifier, Bytes data)
    {
        return heldItem(typeIdentifier, std::move(data), released_);
    }
    // Held by a release of its own.
    static platform::dragdrop::DragItem heldItem(std::string_view typeIdentifier, Bytes data, Release released)
    {
        auto provider = std::make_shared<platform::dragdrop::ItemProvider>();
        provider->registerDataLoader(std::string(typeIdentifier), [released = std::move(released), data] {
            while (!released->load()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            return std::optional<Bytes>(data);
        });
        return {provider};
    }

    // Drops the held file and lets the importer take it: its redraw or conversion is then
    // under way on a worker, and whatever that answers waits on the main thread.
    void dropHeldFileIntoTheImporter(platform::dragdrop::DragItem item)
    {
        auto& loop = platform::RunLoop::main();
        ASSERT_TRUE(finishBackgroundWork());
        ASSERT_TRUE(drop({std::move(item)}, rowCenter(0)).performed);
        loop.runUntilIdle();
        released_->store(true);
        while (platform::BackgroundWork::inFlight() > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        // Exactly the one task that hands the file to the importer.
        loop.runUntil([] { return true; }, 1);
    }

    // Lets the held files go and waits until only `stillRead` files are being read, so
    // that what the others' drops do next has been done.
    void releaseHeldFilesUntilReading(std::size_t stillRead)
    {
        released_->store(true);
        ASSERT_TRUE(waitFor([stillRead] { return platform::BackgroundWork::inFlight() == stillRead; }));
        platform::RunLoop::main().runUntilIdle();
    }

    // The new composer's own loading takes the blocking message down, so the workers
    // themselves are waited for.
    void letTheWorkersFinish()
    {
        EXPECT_TRUE(finishBackgroundWork());
        settle();
    }

    // The documents of what the composer on screen stores when the sender taps Close.
    std::size_t storedDocumentsAfterClose()
    {
        tapAndSettle(*page()->closeButton.lock());
        EXPECT_FALSE(host->details.empty());
        const auto guid = host->details.empty() ? "" : host->details.back().value("guid", "");
        const auto stored = ZKTransactionManager::sharedInstance()->transactionWithId(guid);
        EXPECT_NE(stored, nullptr);
        return stored ? stored->documents().size() : 0;
    }

    static Names temporaryFiles()
    {
        Names names;
        std::error_code ignored;
        const auto folder = ZKFileManager::sharedInstance()->temporaryFolderPath();
        for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

private:
    Release released_ = std::make_shared<std::atomic<bool>>(false);
};

TEST_F(LateDropResultTest, APictureRedrawnAfterTheHostLeftItsTransactionJoinsNoOtherDraft)
{
    openDocuments(1, true, true);
    dropHeldFileIntoTheImporter(heldItem(TypeIdentifier::png, platform::graphics::Image(400, 300).pngData()));

    Veltra::dashboard()->exitSDK();
    openWith("Lease", 1, {});
    letTheWorkersFinish();
    EXPECT_EQ(documentNames(), (Names{"Document 0"}));
    EXPECT_EQ(VTAlertView::sharedInstance()->errorAlertView(), nullptr) << "nothing to tell about a left transaction";
    EXPECT_EQ(temporaryFiles(), Names{});
    EXPECT_EQ(storedDocumentsAfterClose(), 1u);
}

TEST_F(LateDropResultTest, ATextConvertedAfterTheHostStartedAnotherTransactionLeavesNoFileBehind)
{
    openDocuments(1, true, true);
    dropHeldFileIntoTheImporter(heldItem(TypeIdentifier::utf8PlainText, textBytes("Terms of the lease.")));

    openWith("Lease", 0, {});
    letTheWorkersFinish();
    EXPECT_EQ(documentNames(), Names{});
    EXPECT_EQ(VTAlertView::sharedInstance()->errorAlertView(), nullptr);
    EXPECT_EQ(temporaryFiles(), Names{}) << "the converted file of the left transaction is removed";
    EXPECT_EQ(storedDocumentsAfterClose(), 0u);
}

TEST_F(LateDropResultTest, ADropEndingAfterTheHostLeftItsTransactionLeavesTheNextDropCoveredAndItsOwnPageAlone)
{
    openDocuments(1, true, true);
    const auto leftTable = documentsTable();
    ASSERT_TRUE(drop({heldItem(TypeIdentifier::utf8PlainText, textBytes("Terms of the lease."))}, rowCenter(0)).performed);

    openWith("Lease", 2, {});
    const auto nextRelease = std::make_shared<std::atomic<bool>>(false);
    ASSERT_TRUE(drop({heldItem(TypeIdentifier::pdf, pdfBytes(1), nextRelease)}, rowCenter(0)).performed);
    releaseHeldFilesUntilReading(1);
    EXPECT_TRUE(blockingMessageUp()) << "the next drop's file is still being read";
    EXPECT_EQ(VTAlertView::sharedInstance()->errorAlertView(), nullptr);
    EXPECT_EQ(leftTable->numberOfRows(0), 1) << "the left page shows nothing of the next transaction";

    nextRelease->store(true);
    waitForImport();
    EXPECT_FALSE(VTAlertView::sharedInstance()->isShowingBlockingMessage());
    EXPECT_EQ(documentNames(), (Names{"PDF document.pdf", "Document 0", "Document 1"}));
}

} // namespace
