#include "composer/VLTNewTransactionViewModel.h"
#include "fakes/FakeServiceTest.h"
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

TEST_F(FetchedTransactionLoadingTest, AnAnswerArrivingAfterTheModelWasPrimedAgainHoldsTheTransactionItFetched)
{
    model->setTransactionGUID("PKG-5");
    std::optional<std::optional<Dictionary>> outcome;
    model->loadDataForTransactionWithCallback([&](const std::optional<Dictionary>& error) { outcome = error; });
    model->setTransactionGUID("PKG-9");
    ASSERT_TRUE(waitFor([&] { return outcome.has_value(); }));
    EXPECT_FALSE(*outcome);
    ASSERT_TRUE(model->transaction());
    EXPECT_EQ(model->transactionId(), "PKG-5");
}
