#include "composer/VLTNewTransactionViewModel.h"
#include "fakes/FakeServiceTest.h"
#include "foundation/RunLoop.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"

#include <gtest/gtest.h>

// Editing a transaction that only the service holds: loading it fetches it into the
// store first, and the model then holds the builder rebuilt from there.
class FetchedTransactionLoadingTest : public fakes::FakeServiceTest {
protected:
    void SetUp() override
    {
        FakeServiceTest::SetUp();
        service.addAccount("sam@example.com", "secret", {{"email", "sam@example.com"}});
        service.addPackage("PKG-5", {{"id", "PKG-5"},
                                     {"name", "Offer"},
                                     {"status", "DRAFT"},
                                     {"roles", {{{"id", "R-1"}, {"signer", {{"email", "bob@example.com"}}}}}},
                                     {"documents", {{{"id", "D-1"}, {"name", "Offer"}}}}});
        service.setDocumentPdf("PKG-5", "D-1", "%PDF-1.4 offer");
        bool signedIn = false;
        Veltra::dashboard()->loginWithEmailPasswordAndCallback("sam@example.com", "secret",
                                                               [&](const Dictionary&) { signedIn = true; });
        ASSERT_TRUE(waitFor([&] { return signedIn; }));
        model = VLTNewTransactionViewModel::sharedInstance();
    }

    std::optional<Dictionary> load(const std::string& guid)
    {
        model->setTransactionGUID(guid);
        std::optional<std::optional<Dictionary>> outcome;
        model->loadDataForTransactionWithCallback([&](const std::optional<Dictionary>& error) { outcome = error; });
        EXPECT_TRUE(waitFor([&] { return outcome.has_value(); }));
        return outcome.value_or(Dictionary("no answer"));
    }

    std::shared_ptr<VLTNewTransactionViewModel> model;
};

TEST_F(FetchedTransactionLoadingTest, LoadingATransactionOnlyTheServiceHoldsFetchesAndHoldsIt)
{
    EXPECT_FALSE(load("PKG-5"));
    ASSERT_TRUE(model->transaction());
    EXPECT_EQ(model->transactionId(), "PKG-5");
    EXPECT_EQ(model->transaction()->name(), "Offer");
    EXPECT_EQ(model->documentsNumber(), 1);
    ASSERT_EQ(model->transaction()->signers().size(), 1u);
    EXPECT_EQ(model->transaction()->signers()[0]->email(), "bob@example.com");
}

TEST_F(FetchedTransactionLoadingTest, AFailedFetchReachesTheLoadCallbackAndHoldsNothing)
{
    service.respondWith("GET", "/api/packages/PKG-5/documents/D-1/pdf", 500, "{}");
    const auto error = load("PKG-5");
    ASSERT_TRUE(error);
    EXPECT_FALSE(model->transaction());
    EXPECT_FALSE(VTTransaction::transactionForGUID("PKG-5")) << "nothing half-stored to edit later";
}

TEST_F(FetchedTransactionLoadingTest, AnAnswerArrivingAfterTheModelWasPrimedAnewIsDropped)
{
    service.addPackage("PKG-6", {{"id", "PKG-6"}, {"name", "Lease"}, {"status", "DRAFT"}, {"roles", Dictionary::array()},
                                 {"documents", {{{"id", "D-2"}, {"name", "Lease"}}}}});
    service.setDocumentPdf("PKG-6", "D-2", "%PDF-1.4 lease");
    int abandonedCalls = 0;
    const auto abandoned = [&](const std::optional<Dictionary>&) { ++abandonedCalls; };
    // A fetch stores its transaction and answers in one turn of the main loop.
    const auto fetched = [](const char* guid) {
        return [guid] { return VTTransaction::transactionForGUID(guid) != nullptr; };
    };

    model->setTransactionGUID("PKG-5");
    model->loadDataForTransactionWithCallback(abandoned);
    model->setTransactionGUID("PKG-9");
    ASSERT_TRUE(waitFor(fetched("PKG-5")));
    EXPECT_FALSE(model->transaction());
    EXPECT_EQ(model->guid(), "PKG-9");

    model->setTransactionGUID("PKG-6");
    model->loadDataForTransactionWithCallback(abandoned);
    const auto hostBuilt = std::make_shared<VTTransaction>();
    model->setTransaction(hostBuilt);
    ASSERT_TRUE(waitFor(fetched("PKG-6")));
    EXPECT_EQ(model->transaction(), hostBuilt);

    platform::RunLoop::main().runUntilIdle();
    EXPECT_EQ(abandonedCalls, 0) << "the page that asked has gone";
}
