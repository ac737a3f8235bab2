#include "support/VeltraTest.h"

#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "service/ZKIdentity.h"

namespace {

class VTTransactionBuilderTest : public testing_support::VeltraTest {
protected:
    static std::shared_ptr<VTSigner> signer(const std::string& email)
    {
        return VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole("F", "L", email, "", "", email);
    }

    static std::vector<std::string> emails(const VTTransaction& transaction)
    {
        std::vector<std::string> result;
        for (const auto& item : transaction.signers()) {
            result.push_back(item->email());
        }
        return result;
    }

    static std::vector<std::string> names(const VTTransaction& transaction)
    {
        std::vector<std::string> result;
        for (const auto& item : transaction.documents()) {
            result.push_back(item->name());
        }
        return result;
    }

    void signIn(const std::string& email) { ZKIdentity::sharedInstance()->recordUser({{"email", email}}); }
};

TEST_F(VTTransactionBuilderTest, StartsEmpty)
{
    VTTransaction transaction;
    EXPECT_FALSE(transaction.guid());
    EXPECT_TRUE(transaction.signers().empty());
    EXPECT_TRUE(transaction.documents().empty());
    EXPECT_FALSE(transaction.draft());
}

TEST_F(VTTransactionBuilderTest, OwnRecipientGoesFirstWhileOrderedSigningIsOff)
{
    signIn("me@example.com");
    VTTransaction transaction;
    transaction.addSigner(signer("a@example.com"));
    transaction.addSigner(signer("b@example.com"));
    EXPECT_FALSE(transaction.senderVisible());
    transaction.addSigner(signer("me@example.com"));
    EXPECT_EQ(emails(transaction), (std::vector<std::string>{"me@example.com", "a@example.com", "b@example.com"}));
    EXPECT_TRUE(transaction.senderVisible());

    transaction.setOrderSigning(true);
    transaction.changePlaceOfSignerWithIndexToIndex(0, 2);
    EXPECT_EQ(emails(transaction), (std::vector<std::string>{"a@example.com", "b@example.com", "me@example.com"}));
    transaction.setOrderSigning(false);
    EXPECT_EQ(emails(transaction), (std::vector<std::string>{"me@example.com", "a@example.com", "b@example.com"}));
}

TEST_F(VTTransactionBuilderTest, OwnRecipientIsAppendedWithOrderedSigningOrAsGroupMember)
{
    signIn("me@example.com");
    VTTransaction transaction;
    transaction.addSigner(signer("a@example.com"));
    auto group = signer("me@example.com");
    group->setIsGroupContainingSender(true);
    transaction.addSigner(group);
    EXPECT_FALSE(transaction.senderVisible());
    transaction.setOrderSigning(true);
    transaction.addSigner(signer("me@example.com"));
    EXPECT_EQ(emails(transaction), (std::vector<std::string>{"a@example.com", "me@example.com", "me@example.com"}));
    EXPECT_TRUE(transaction.signers()[1]->isGroupContainingSender());
    EXPECT_TRUE(transaction.senderVisible());
}

TEST_F(VTTransactionBuilderTest, NobodySignedInMeansNoOwnRecipient)
{
    VTTransaction transaction;
    transaction.addSigner(signer("a@example.com"));
    transaction.addSigner(signer(""));
    EXPECT_EQ(emails(transaction), (std::vector<std::string>{"a@example.com", ""}));
    EXPECT_FALSE(transaction.senderVisible());
}

TEST_F(VTTransactionBuilderTest, MovesAndRemovalsOutOfRangeChangeNothing)
{
    VTTransaction transaction;
    for (const char* email : {"a@x.io", "b@x.io", "c@x.io"}) {
        transaction.addSigner(signer(email));
    }
    transaction.changePlaceOfSignerWithIndexToIndex(-1, 0);
    transaction.changePlaceOfSignerWithIndexToIndex(0, 3);
    transaction.removeSignerWithIndex(3);
    transaction.removeSignerWithIndex(-1);
    EXPECT_EQ(emails(transaction), (std::vector<std::string>{"a@x.io", "b@x.io", "c@x.io"}));
    transaction.changePlaceOfSignerWithIndexToIndex(2, 0);
    EXPECT_EQ(emails(transaction), (std::vector<std::string>{"c@x.io", "a@x.io", "b@x.io"}));
    transaction.removeSignerWithIndex(1);
    EXPECT_EQ(emails(transaction), (std::vector<std::string>{"c@x.io", "b@x.io"}));
}

TEST_F(VTTransactionBuilderTest, DocumentNamesAreMadeUnique)
{
    VTTransaction transaction;
    transaction.addDocument(VTDocument::initWithNameAndPath("Contract.pdf", "/a.pdf"));
    transaction.addDocument(VTDocument::initWithNameAndPath("Contract.pdf", "/b.pdf"));
    transaction.addDocument(VTDocument::initWithNameAndPath("Contract.pdf", "/c.pdf"));
    transaction.addDocumentAtIndex(VTDocument::initWithNameAndPath("Terms", "/d.pdf"), 0);
    transaction.addDocumentAtIndex(VTDocument::initWithNameAndPath("Terms", "/e.pdf"), 99);
    transaction.addDocumentAtIndex(VTDocument::initWithNameAndPath("Contract(1).pdf", "/f.pdf"), -4);
    EXPECT_EQ(names(transaction), (std::vector<std::string>{"Contract(1)(1).pdf", "Terms", "Contract.pdf",
                                                            "Contract(1).pdf", "Contract(2).pdf", "Terms(1)"}));
    EXPECT_EQ(transaction.getGoodDocNameCurrentNameAndNumber("Terms", "Terms", 1), "Terms(2)");
    EXPECT_EQ(transaction.getGoodDocNameCurrentNameAndNumber("New", "New", 1), "New");

    transaction.removeDocumentWithIndex(6);
    transaction.changePlaceOfDocumentWithIndexToIndex(5, 0);
    transaction.removeDocumentWithIndex(1);
    EXPECT_EQ(names(transaction), (std::vector<std::string>{"Terms(1)", "Terms", "Contract.pdf", "Contract(1).pdf",
                                                            "Contract(2).pdf"}));
}

TEST_F(VTTransactionBuilderTest, DocumentNamesShowAsWhatTheyAre)
{
    // An override would show "report<RLO>txt.exe.pdf" as "reportfdp.exe.txt".
    VTTransaction transaction;
    transaction.addDocument(VTDocument::initWithNameAndPath("report\u202Etxt.exe.pdf", "/a.pdf"));
    transaction.addDocument(VTDocument::initWithNameAndPath(std::string("re\0port\u2066txt.exe.pdf\u2069", 24), "/b.pdf"));
    EXPECT_EQ(names(transaction), (std::vector<std::string>{"reporttxt.exe.pdf", "reporttxt.exe(1).pdf"}));
    transaction.documents().front()->setName("renamed\u202Efdp.exe");
    EXPECT_EQ(transaction.documents().front()->name(), "renamedfdp.exe");
}

TEST_F(VTTransactionBuilderTest, SignersAreSharedWithTheBuilder)
{
    VTTransaction transaction;
    transaction.addSigner(signer("a@x.io"));
    transaction.signers().front()->updatewithDictionary({{"firstName", "Changed"}});
    EXPECT_EQ(transaction.signers().front()->firstName(), "Changed");
}

} // namespace
