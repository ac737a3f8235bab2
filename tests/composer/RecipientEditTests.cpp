#include "ComposerTestSupport.h"

#include "composer/RecipientDomains.h"
#include "model/ZKGroup.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"

namespace {

using composer_testing::ComposerTest;
using composer_testing::group;
using composer_testing::person;
using Model = VLTNewTransactionViewModel;

std::string groupEmail(const std::string& name)
{
    return name + RecipientDomains::kGroupMailDomainMarker + "com";
}

class RecipientEditTest : public ComposerTest {
protected:
    void SetUp() override
    {
        ComposerTest::SetUp();
        model->addSignerAtIndex(person("Ann", "Lee", "ann@example.com"), 0);
        model->addSignerAtIndex(person("Bo", "Ng", "bo@example.com"), 0);
        model->addSignerAtIndex(group("g-legal", "Legal", groupEmail("legal")), 0);
        delegate->messages.clear();
    }
};

TEST_F(RecipientEditTest, EditingAPersonChecksOnlyOtherPeoplesAddresses)
{
    Dictionary edit = person("Annie", "Lee", "ann@example.com");
    EXPECT_EQ(model->addSignerReplaceExisitngSignerEmail(edit, "ann@example.com"), Model::accepted);
    EXPECT_EQ(model->dataForSignerWithIndex(0)["firstName"], "Annie");

    edit["email"] = "bo@example.com";
    EXPECT_EQ(model->addSignerReplaceExisitngSignerEmail(edit, "ann@example.com"), Model::signerAlreadyAdded);
    EXPECT_EQ(model->dataForSignerWithIndex(0)["email"], "ann@example.com");

    edit["email"] = " bo@example.com\t";
    EXPECT_EQ(model->addSignerReplaceExisitngSignerEmail(edit, "ann@example.com"), Model::signerAlreadyAdded)
        << "the address is stored trimmed, so it is compared trimmed";
    edit["email"] = " ann@example.com ";
    EXPECT_EQ(model->addSignerReplaceExisitngSignerEmail(edit, "ann@example.com"), Model::accepted);
    EXPECT_EQ(model->dataForSignerWithIndex(0)["email"], "ann@example.com");

    edit["email"] = groupEmail("legal");
    EXPECT_EQ(model->addSignerReplaceExisitngSignerEmail(edit, "ann@example.com"), Model::accepted);
    EXPECT_EQ(model->dataForSignerWithIndex(0)["email"], groupEmail("legal"));
    EXPECT_EQ(delegate->messages, std::vector<std::string>(3, "signersHaveBeenUpdated"));
}

TEST_F(RecipientEditTest, ReplacingSkipsTheFieldRulesAndUpdatesInPlace)
{
    Dictionary blank = person(" ", " ", "bo@example.com");
    blank["allowSignerChange"] = true;
    blank["authentication"] = Dictionary{{"type", "SMS"}, {"cellphone", "+47 900 00 000"}};
    EXPECT_EQ(model->addSignerReplaceAtIndex(blank, 1), Model::accepted);
    const auto signer = model->transaction()->signers()[1];
    EXPECT_EQ(signer->firstName(), "");
    EXPECT_TRUE(signer->allowChangeSigners());
    EXPECT_EQ((*signer->authenticationDict())["cellphone"], "+47 900 00 000");
    EXPECT_EQ(model->signersNumber(), 3);
}

TEST_F(RecipientEditTest, AnIndexThatNamesNoRecipientAddsAfterValidation)
{
    EXPECT_EQ(model->addSignerReplaceAtIndex(person("Cy", "Po", "ann@example.com"), Model::kNotFound),
              Model::signerAlreadyAdded);
    EXPECT_EQ(model->addSignerReplaceAtIndex(person("Cy", "Po", "cy@example.com"), 3), Model::accepted);
    EXPECT_EQ(model->addSignerReplaceExisitngSignerEmail(person("Di", "Ra", "di@example.com"), "nobody@example.com"),
              Model::accepted);
    EXPECT_EQ(model->addSignerReplaceExisitngSignerEmail(person("", "Ra", "x@example.com"), std::nullopt),
              Model::firstNameMissing);
    EXPECT_EQ(model->signersNumber(), 5);
}

TEST_F(RecipientEditTest, GroupsAreFoundByAddressOrIdAndReplacedThere)
{
    EXPECT_EQ(model->indexOfSignerWithEmailIsGroup(groupEmail("legal"), true), 2u);
    EXPECT_EQ(model->indexOfSignerWithEmailIsGroup(groupEmail("legal"), false), Model::kNotFound);
    EXPECT_EQ(model->indexOfSignerWithEmailIsGroup(std::nullopt, false), Model::kNotFound);
    EXPECT_EQ(model->indexOfSignerWithGroupID("g-legal"), 2u);
    EXPECT_EQ(model->indexOfSignerWithGroupID(std::nullopt), Model::kNotFound);

    EXPECT_EQ(model->addSignerReplaceExisitngGroupWithID(group("g-sales", "Sales", groupEmail("sales")), "g-legal"),
              Model::accepted);
    EXPECT_EQ(model->dataForSignerWithIndex(2)["role"], "g-sales");
    EXPECT_EQ(model->addSignerReplaceExisitngGroupWithEmail(group("g-ops", "Ops", groupEmail("ops")),
                                                            groupEmail("sales")),
              Model::accepted);
    EXPECT_EQ(model->idsForAddedGroups(), (std::vector<std::string>{"g-ops"}));
    EXPECT_EQ(model->emailsForAddedGroups(), (std::vector<std::string>{groupEmail("ops")}));
    EXPECT_EQ(model->signersNumber(), 3);
}

TEST_F(RecipientEditTest, AvailableGroupsLeaveOutThoseAddedAndMembershipEnablesGroups)
{
    const auto legal = std::make_shared<ZKGroup>("g-legal", false, "Legal", groupEmail("legal"));
    const auto sales = std::make_shared<ZKGroup>("g-sales", false, "Sales", groupEmail("sales"));
    model->setGroups(Model::Groups{legal, sales});
    EXPECT_EQ(model->getAvailableGroups(), Model::Groups{sales});

    const auto groupSigner = model->transaction()->signers()[2];
    EXPECT_TRUE(model->isSignerGroup(groupSigner));
    EXPECT_FALSE(model->isSignerGroup(nullptr));
    EXPECT_FALSE(model->isGroupEnabledForUser(groupSigner));
    model->setGroups(Model::Groups{legal, std::make_shared<ZKGroup>("g-x", true, "X", groupEmail("x"))});
    EXPECT_TRUE(model->isGroupEnabledForUser(groupSigner));
    EXPECT_FALSE(model->isGroupEnabledForUser(model->transaction()->signers()[0]));
}

} // namespace
