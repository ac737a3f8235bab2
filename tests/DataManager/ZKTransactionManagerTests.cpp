#include "DataManagerTest.h"

#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKPredefinedActions.h"

namespace {

using ZKTransactionManagerTest = DataManagerTest;

TEST_F(ZKTransactionManagerTest, StoredTransactionsAreFoundByGuidIgnoringCase)
{
    storeTransaction(localDraft("AB12-cd34"));
    const auto manager = ZKTransactionManager::sharedInstance();
    ASSERT_TRUE(manager->transactionWithId("ab12-CD34"));
    EXPECT_EQ(manager->transactionWithId("AB12-CD34")->name(), "Lease");
    EXPECT_FALSE(manager->transactionWithId("AB12"));
    EXPECT_FALSE(manager->transactionWithId(""));
}

TEST_F(ZKTransactionManagerTest, InterfaceDictionarySummarisesTheCurrentTransaction)
{
    const auto manager = ZKTransactionManager::sharedInstance();
    EXPECT_EQ(manager->interfaceDictionary(), Dictionary::object());
    EXPECT_FALSE(manager->transactionID());

    auto dictionary = localDraft("T1");
    dictionary["documents"][0]["elements"].push_back(
        {{"ident", "T1-E3"}, {"type", "SIGNATURE"}, {"content", "signed"}, {"roles", {"T1-P2"}}});
    const auto transaction = storeTransaction(dictionary);
    manager->setTransaction(transaction);
    EXPECT_EQ(manager->transactionID(), "T1");
    EXPECT_EQ(manager->interfaceDictionary(), Dictionary({{"guid", "T1"},
                                                          {"name", "Lease"},
                                                          {"status", "draft"},
                                                          {"progressLevel", 0.5},
                                                          {"localProgressLevel", 0.5},
                                                          {"draft", true},
                                                          {"offline", true},
                                                          {"signedSignatures", 1},
                                                          {"confirmedSignatures", 1},
                                                          {"unsignedSignatures", 1}}));

    transaction->predefinedActions()->setSign(true);
    const auto pending = manager->interfaceDictionary();
    EXPECT_EQ(pending["confirmedSignatures"], 0);
    EXPECT_EQ(pending["progressLevel"], 0.0);

    manager->setTransactionID(std::string("OTHER"));
    EXPECT_FALSE(manager->transaction());
    EXPECT_EQ(manager->transactionID(), "OTHER");
    EXPECT_EQ(manager->interfaceDictionary(), Dictionary::object());
}

} // namespace
