#include "ComposerTestSupport.h"

#include "composer/RecipientDomains.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"

namespace {

using composer_testing::ComposerTest;
using composer_testing::group;
using composer_testing::person;
using Model = VLTNewTransactionViewModel;

class RecipientTest : public ComposerTest {
protected:
    std::vector<std::string> roles() const
    {
        std::vector<std::string> result;
        for (const auto& signer : model->transaction()->signers()) {
            result.push_back(signer->role());
        }
        return result;
    }
};

TEST_F(RecipientTest, FieldRulesAreCheckedInOrderAndGroupsSkipThem)
{
    Dictionary input = person("  ", "", "");
    EXPECT_EQ(model->validateSignerData(input), Model::firstNameMissing);
    input.erase("firstName");
    EXPECT_EQ(model->validateSignerData(input), Model::firstNameMissing);
    input["firstName"] = "Ann";
    input["lastName"] = "\t ";
    EXPECT_EQ(model->validateSignerData(input), Model::lastNameMissing);
    input["lastName"] = "Lee";
    EXPECT_EQ(model->validateSignerData(input), Model::emailMissing);
    input["email"] = "   ";
    EXPECT_EQ(model->validateSignerData(input), Model::emailMalformed);
    input["email"] = "ann@example";
    EXPECT_EQ(model->validateSignerData(input), Model::emailMalformed);
    input["email"] = "ann@example.com";
    EXPECT_EQ(model->validateSignerData(input), Model::accepted);

    EXPECT_EQ(model->validateSignerData(Dictionary{{"group", true}}), Model::accepted);
}

TEST_F(RecipientTest, AddingTrimsNamesKeepsTheEmailAndReportsEvenARefusal)
{
    Dictionary input = person(" Ann ", " Lee\t", "ann@example.com");
    input["company"] = "  Acme ";
    input["emailMessage"] = "Please sign";
    input["allowSignerChange"] = true;
    EXPECT_EQ(model->addSignerAtIndex(input, 7), Model::accepted);
    EXPECT_EQ(model->addSignerAtIndex(person("Ann", "Lee", "ann@example.com"), 0), Model::signerAlreadyAdded);
    EXPECT_EQ(model->addSignerAtIndex(person("", "Lee", "x@example.com"), 0), Model::firstNameMissing);

    ASSERT_EQ(model->signersNumber(), 1);
    const auto signer = model->transaction()->signers()[0];
    EXPECT_EQ(signer->firstName(), "Ann");
    EXPECT_EQ(signer->lastName(), "Lee");
    EXPECT_EQ(signer->company(), "Acme");
    EXPECT_EQ(signer->emailMessage(), "Please sign");
    EXPECT_TRUE(signer->allowChangeSigners());
    EXPECT_EQ(signer->authenticationDict(), (Dictionary{{"type", "email"}}));
    EXPECT_EQ(delegate->messages, std::vector<std::string>(3, "signersHaveBeenUpdated"));
}

TEST_F(RecipientTest, DuplicatesAreExactEmailMatchesAmongPeopleOnly)
{
    model->addSignerAtIndex(person("Ann", "Lee", "ann@example.com"), 0);
    EXPECT_TRUE(model->isSignerAdded(person("Bo", "Ng", "ann@example.com")));
    EXPECT_FALSE(model->isSignerAdded(person("Bo", "Ng", "Ann@example.com")));
    EXPECT_FALSE(model->isSignerAdded(person("Bo", "Ng", " ann@example.com")));

    const std::string groupEmail = std::string("legal") + RecipientDomains::kGroupMailDomainMarker + "com";
    EXPECT_EQ(model->addSignerAtIndex(group("g-1", "Legal", groupEmail), 0), Model::accepted);
    // The group picker offers only groups not yet added; the model itself accepts again.
    EXPECT_EQ(model->validateSignerData(group("g-1", "Legal", groupEmail)), Model::accepted);
    // A person with a group's address is no duplicate of the group.
    EXPECT_EQ(model->validateSignerData(person("Le", "Gal", groupEmail)), Model::accepted);
}

TEST_F(RecipientTest, DefaultRolesStayUniqueAfterRemovals)
{
    for (const char* name : {"a", "b", "c"}) {
        model->addSignerAtIndex(person(name, "X", std::string(name) + "@example.com"), 0);
    }
    EXPECT_EQ(roles(), (std::vector<std::string>{"signer0", "signer1", "signer2"}));
    model->addSignerAtIndex(person("d", "X", "d@example.com"), 0);
    EXPECT_EQ(roles().back(), "signer3");

    model->removeSignerWithIndex(1);
    model->addSignerAtIndex(person("e", "X", "e@example.com"), 0);
    EXPECT_EQ(roles(), (std::vector<std::string>{"signer0", "signer2", "signer3", "signer1"}));

    Dictionary withRole = person("f", "X", "f@example.com");
    withRole["role"] = "signer4";
    model->addSignerAtIndex(withRole, 0);
    model->addSignerAtIndex(person("g", "X", "g@example.com"), 0);
    EXPECT_EQ(roles().back(), "signer5");
}

// A dropped card of many people joins as one batch: each person is checked and numbered
// as a single addition would be, against those added before it in the same batch too.
TEST_F(RecipientTest, ABatchAddsWhatSingleAdditionsWouldInOrderAndReportsOnce)
{
    const std::string groupEmail = std::string("legal") + RecipientDomains::kGroupMailDomainMarker + "com";
    model->addSignerAtIndex(person("a", "X", "a@example.com"), 0);
    model->addSignerAtIndex(person("b", "X", "b@example.com"), 0);
    model->addSignerAtIndex(group("g-1", "Legal", groupEmail), 0);
    model->removeSignerWithIndex(0);
    const auto delegate = std::make_shared<composer_testing::RecordingModelDelegate>();
    model->setDelegate(delegate);

    Dictionary withRole = person("r", "X", "r@example.com");
    withRole["role"] = "signer3";
    EXPECT_EQ(model->addSigners({person("c", "X", "c@example.com"), person("", "X", "n@example.com"),
                                 person("b", "Again", "b@example.com"), withRole,
                                 person("c", "Twice", "c@example.com"), person("Le", "Gal", groupEmail),
                                 person("d", "X", "d@example.com")}),
              4);
    std::vector<std::string> names;
    for (const auto& signer : model->transaction()->signers()) {
        names.push_back(signer->firstName() + " " + signer->lastName());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"b X", "Legal ", "c X", "r X", "Le Gal", "d X"}));
    EXPECT_EQ(roles(), (std::vector<std::string>{"signer1", "g-1", "signer0", "signer3", "signer2", "signer4"}));
    EXPECT_EQ(delegate->messages, std::vector<std::string>{"signersHaveBeenUpdated"});

    EXPECT_EQ(model->addSigners({}), 0);
    EXPECT_EQ(delegate->messages.size(), 1u);
}

TEST_F(RecipientTest, TheSignedInUserGoesFirstUnlessOrderedSigningIsOn)
{
    signIn("sam@example.com");
    model->addSignerAtIndex(person("Ann", "Lee", "ann@example.com"), 0);
    model->addSignerAtIndex(person("Sam", "Sender", "sam@example.com"), 1);
    EXPECT_EQ(model->dataForSignerWithIndex(0)["email"], "sam@example.com");
    EXPECT_TRUE(model->isMe("SAM@example.com"));
    EXPECT_FALSE(model->isMe(std::nullopt));

    model->setOrderSigning(true);
    model->changePlaceOfSignerWithIndexToIndex(0, 1);
    EXPECT_EQ(model->dataForSignerWithIndex(1)["email"], "sam@example.com");
    model->setOrderSigning(false);
    EXPECT_EQ(model->dataForSignerWithIndex(0)["email"], "sam@example.com");
    EXPECT_FALSE(model->orderedSigning());

    model->setOrderSigning(true);
    model->addSignerAtIndex(person("Bo", "Ng", "bo@example.com"), 0);
    EXPECT_EQ(model->dataForSignerWithIndex(2)["email"], "bo@example.com");
    const std::vector<std::string> expected{"signersHaveBeenUpdated", "signersHaveBeenUpdated", "signerOrderChanged:YES",
                                            "signerOrderChanged:NO",  "signerOrderChanged:YES", "signersHaveBeenUpdated"};
    EXPECT_EQ(delegate->messages, expected);
}

TEST_F(RecipientTest, RowsShowPlaceholdersGroupsAndPeople)
{
    Dictionary sms = person("Ann", "Lee", "ann@example.com");
    sms["authentication"] = Dictionary{{"type", "SMS"}, {"cellphone", "+1 415 555 0100"}};
    sms["emailMessage"] = "Hi";
    model->addSignerAtIndex(sms, 0);
    const std::string placeholderEmail = std::string("p1") + RecipientDomains::kPlaceholderDomain;
    model->addSignerAtIndex(person("Recipient", "1", placeholderEmail), 0);
    Dictionary titled = person("Ops", "", "ops@example.com");
    titled["group"] = true;
    titled["title"] = "ops@example.com";
    model->addSignerAtIndex(titled, 0);

    const auto row = model->dataForSignerWithIndex(0);
    std::vector<std::string> keys;
    for (const auto& item : row.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"firstName", "lastName", "email", "emailDisplay", "title", "company",
                                              "displayName", "index", "authentication", "emailMessage", "placeholder",
                                              "allowSignerChange", "group", "role"}));
    EXPECT_EQ(row["emailDisplay"], "ann@example.com");
    EXPECT_EQ(row["displayName"], "Ann Lee");
    EXPECT_EQ(row["authentication"]["cellphone"], "+1 415 555 0100");

    const auto placeholder = model->dataForSignerWithIndex(1);
    EXPECT_EQ(placeholder["placeholder"], true);
    EXPECT_EQ(placeholder["group"], false);
    EXPECT_NE(placeholder["emailDisplay"], placeholderEmail);
    EXPECT_FALSE(placeholder.contains("emailMessage"));
    EXPECT_TRUE(model->hasPlaceholder());

    const auto titledRow = model->dataForSignerWithIndex(2);
    EXPECT_EQ(titledRow["group"], true);
    EXPECT_EQ(titledRow["emailDisplay"], "ops@example.com");
    EXPECT_EQ(titledRow["displayName"], "Ops ");
    EXPECT_EQ(titledRow["index"], 2);

    EXPECT_TRUE(model->dataForSignerWithIndex(3).empty());
    EXPECT_TRUE(model->dataForSignerWithIndex(-1).empty());
}

TEST_F(RecipientTest, AuthenticationIsHandedToTheBuilderByType)
{
    Dictionary qanda = person("Ann", "Lee", "ann@example.com");
    qanda["authentication"] = Dictionary{{"type", "QandA"}, {"question1", "Pet?"}, {"answer1", "Rex"},
                                         {"maskAnaswer1", true}, {"question2", "City?"}, {"answer2", "Oslo"}};
    model->addSignerAtIndex(qanda, 0);
    Dictionary unknown = person("Bo", "Ng", "bo@example.com");
    unknown["authentication"] = Dictionary{{"type", "sms"}, {"cellphone", "1"}};
    model->addSignerAtIndex(unknown, 0);

    const auto signers = model->transaction()->signers();
    const auto& auth = *signers[0]->authenticationDict();
    EXPECT_EQ(auth["type"], "QandA");
    EXPECT_EQ(auth["maskAnaswer1"], true);
    EXPECT_EQ(auth["maskAnaswer2"], false);
    EXPECT_EQ(auth["answer2"], "Oslo");
    EXPECT_EQ(*signers[1]->authenticationDict(), (Dictionary{{"type", "email"}}));
    EXPECT_FALSE(model->authenticationDictionaryForSignerWithIndex(0));
}

TEST_F(RecipientTest, RemovingReportsBothMessagesInOrder)
{
    model->addSignerAtIndex(person("Ann", "Lee", "ann@example.com"), 0);
    delegate->messages.clear();
    model->removeSignerWithIndex(5);
    model->removeSignerWithIndex(0);
    EXPECT_EQ(model->signersNumber(), 0);
    const std::vector<std::string> expected{"signersHaveBeenUpdated", "signerHaveBeenRemoved",
                                            "signersHaveBeenUpdated", "signerHaveBeenRemoved"};
    EXPECT_EQ(delegate->messages, expected);
}

TEST_F(RecipientTest, AScreenThatGoesAwayStopsHearingTheModel)
{
    auto screen = std::make_shared<composer_testing::RecordingModelDelegate>();
    model->setDelegate(screen);
    const std::weak_ptr<composer_testing::RecordingModelDelegate> watched = screen;
    screen.reset();
    EXPECT_TRUE(watched.expired()) << "the model must not keep its delegate alive";
    EXPECT_FALSE(model->delegate());
    EXPECT_EQ(model->addSignerAtIndex(person("Ann", "Lee", "ann@example.com"), 0), Model::accepted);
    model->setOrderSigning(true);
}

TEST_F(RecipientTest, AModelWaitingForItsTransactionAnswersEmpty)
{
    model->setTransactionGUID("stored-guid");
    EXPECT_FALSE(model->transaction());
    EXPECT_EQ(model->signersNumber(), 0);
    EXPECT_TRUE(model->dataForSignerWithIndex(0).empty());
    EXPECT_EQ(model->addSignerAtIndex(person("Ann", "Lee", "ann@example.com"), 0), Model::accepted);
    EXPECT_EQ(model->startNewTransaction(), Model::noName);
    EXPECT_FALSE(model->transactionId());
    model->setTransactionGUID(std::nullopt);
    EXPECT_TRUE(model->transaction());
    EXPECT_FALSE(model->guid());
}

} // namespace
