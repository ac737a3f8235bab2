#include "store/StoreTestSupport.h"

#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "store/ZKTransactionMapper.h"

#include <variant>

using store_testing::sampleTransaction;
using store_testing::StoreTest;

namespace {

ZKTransactionMapper::Result map(ZKCoreDataManager& manager, const Dictionary& dictionary)
{
    return ZKTransactionMapper::transactionFromDictionary(dictionary, manager);
}

std::string problemOf(const ZKTransactionMapper::Result& result)
{
    return std::holds_alternative<ZKError>(result) ? std::get<ZKError>(result).description() : "no error";
}

} // namespace

TEST_F(StoreTest, MappingUpdatesTheStoredTransactionKeepingItsObjects)
{
    const auto first = std::get<std::shared_ptr<ZKTransaction>>(map(*manager, sampleTransaction("trx", 2, 2, 2)));
    const auto keptDocument = first->documents().back();
    const auto keptElement = keptDocument->elements().front();
    ASSERT_FALSE(manager->save().has_value());

    auto update = sampleTransaction("trx", 2, 2, 2);
    update["guid"] = "TRX";
    update["title"] = "Renamed";
    update["documents"].erase(0);
    update["documents"][0]["elements"].erase(1);
    update["documents"][0]["elements"][0]["content"] = "filled";
    update["participants"][1].erase("firstName");
    const auto second = std::get<std::shared_ptr<ZKTransaction>>(map(*manager, update));
    ASSERT_FALSE(manager->save().has_value());

    EXPECT_EQ(second, first);
    EXPECT_EQ(second->guid(), "trx");
    ASSERT_EQ(second->documents().size(), 1u);
    EXPECT_EQ(second->documents().front(), keptDocument);
    ASSERT_EQ(keptDocument->elements().size(), 1u);
    EXPECT_EQ(keptDocument->elements().front(), keptElement);
    EXPECT_EQ(keptElement->content(), "filled");
    EXPECT_EQ(second->participants().back()->firstName(), "First1");

    const auto stored = openStore()->transactionWithGuid("trx");
    EXPECT_EQ(stored->name(), "Renamed");
    EXPECT_EQ(stored->documents().size(), 1u);
    EXPECT_EQ(stored->documents().front()->elements().size(), 1u);
}

TEST_F(StoreTest, DocumentsAndParticipantsFollowTheirOrderNotTheListOrder)
{
    auto dictionary = sampleTransaction("trx", 3, 0, 3);
    dictionary["documents"][0]["order"] = 5;
    dictionary["participants"][0]["order"] = 9;
    const auto transaction = std::get<std::shared_ptr<ZKTransaction>>(map(*manager, dictionary));
    EXPECT_EQ(transaction->documents().back()->ident(), "trx-doc0");
    EXPECT_EQ(transaction->participants().back()->uid(), "role-0");
    EXPECT_EQ(transaction->editTransactionParticipants().front()->uid(), "role-1");
}

TEST_F(StoreTest, BadDictionariesAreRefusedWithoutTouchingTheStoredTransaction)
{
    ASSERT_TRUE(std::holds_alternative<std::shared_ptr<ZKTransaction>>(map(*manager, sampleTransaction("trx"))));
    ASSERT_FALSE(manager->save().has_value());

    auto withBadElement = sampleTransaction("trx");
    withBadElement["title"] = "Should not apply";
    withBadElement["documents"][1]["elements"][2]["page"] = "two";
    EXPECT_EQ(problemOf(map(*manager, withBadElement)), "Invalid transaction dictionary: documents[1].elements[2].page: wrong type");

    auto hugePage = sampleTransaction("trx");
    hugePage["documents"][0]["elements"][0]["page"] = 1e12;
    EXPECT_NE(problemOf(map(*manager, hugePage)), "no error");

    const std::vector<std::pair<Dictionary, std::string>> cases = {
        {Dictionary::array(), "not an object"},
        {Dictionary{{"title", "x"}}, "guid: missing"},
        {Dictionary{{"guid", ""}}, "guid: empty"},
        {Dictionary{{"guid", 12}}, "guid: wrong type"},
        {Dictionary{{"guid", "g"}, {"participants", {{{"order", 1}}}}}, "participants[0].uid: missing"},
        {Dictionary{{"guid", "g"}, {"documents", {"not an object"}}}, "documents[0]: not an object"},
        {Dictionary{{"guid", "g"}, {"documents", {{{"ident", "d"}, {"elements", {{{"ident", "e"}, {"roles", {1}}}}}}}}},
         "documents[0].elements[0].roles: wrong type"},
        {Dictionary{{"guid", "g"}, {"advancedOptions", {{"inPerson", "yes"}}}}, "advancedOptions.inPerson: wrong type"},
    };
    for (const auto& [dictionary, problem] : cases) {
        EXPECT_EQ(problemOf(map(*manager, dictionary)), "Invalid transaction dictionary: " + problem) << dictionary.dump();
    }

    EXPECT_FALSE(manager->hasChanges());
    EXPECT_EQ(manager->transactionWithGuid("trx")->name(), "Lease trx");
    EXPECT_EQ(manager->allTransactions().size(), 1u);
}

TEST_F(StoreTest, NullMeansAbsentExceptWhereAValueMayBeCleared)
{
    auto dictionary = sampleTransaction("trx");
    const auto transaction = std::get<std::shared_ptr<ZKTransaction>>(map(*manager, dictionary));
    Dictionary update = {{"guid", "trx"}, {"title", nullptr}, {"due", nullptr}, {"documents", nullptr}};
    ASSERT_TRUE(std::holds_alternative<std::shared_ptr<ZKTransaction>>(map(*manager, update)));
    EXPECT_EQ(transaction->name(), "Lease trx");
    EXPECT_FALSE(transaction->expiry().has_value());
    EXPECT_EQ(transaction->documents().size(), 2u);
}
