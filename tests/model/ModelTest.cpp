#include "store/StoreTestSupport.h"

#include "designer/ZKDesignerFieldSettings.h"
#include "designer/ZKDesignerHelper.h"
#include "foundation/Date.h"
#include "foundation/Environment.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "store/ZKTransactionMapper.h"
#include "support/ZKColor.h"

using store_testing::sampleTransaction;

namespace {

class ModelTest : public store_testing::StoreTest {
protected:
    std::shared_ptr<ZKTransaction> storedTransaction(bool draft)
    {
        auto dictionary = sampleTransaction("trx", 2, 2, 2);
        dictionary["draft"] = draft;
        auto result = ZKTransactionMapper::transactionFromDictionary(dictionary, *manager);
        auto transaction = std::get<std::shared_ptr<ZKTransaction>>(result);
        EXPECT_FALSE(manager->save().has_value());
        return transaction;
    }

    static std::shared_ptr<ZKTransaction> reloaded() { return openStore()->transactionWithGuid("trx"); }

    std::shared_ptr<ZKElement> radio(ZKDocument& document, const std::string& approval,
                                     const std::vector<std::string>& enumeration)
    {
        auto element = ZKElement::insertNew();
        element->setIdent("radio" + std::to_string(document.elements().size()));
        element->setType("Radio");
        element->setApproval(approval);
        document.addElement(element);
        if (!enumeration.empty()) {
            element->initializeValidationIfNeeded();
            element->validation()->setEnumeration(enumeration);
        }
        return element;
    }
};

} // namespace

TEST_F(ModelTest, SetLocalStampsMarksNonDraftsLocalAndSaves)
{
    const auto transaction = storedTransaction(false);
    const platform::Date stamped(1'750'000'000);
    platform::Date::pinNow(stamped);
    ASSERT_TRUE(transaction->setLocal());

    const auto stored = reloaded();
    EXPECT_TRUE(stored->local());
    EXPECT_DOUBLE_EQ(stored->lastUpdate(), stamped.timeIntervalSince1970());
    EXPECT_FALSE(manager->hasChanges());
}

TEST_F(ModelTest, SetLocalLeavesADraftNonLocal)
{
    const auto transaction = storedTransaction(true);
    ASSERT_TRUE(transaction->setLocal());
    EXPECT_FALSE(reloaded()->local());
    EXPECT_GT(reloaded()->lastUpdate(), 1000.0);
}

TEST_F(ModelTest, UpdateContentIsPersistedByTheTransactionsSave)
{
    const auto transaction = storedTransaction(false);
    transaction->documents().back()->elements().back()->updateContent("Signed here");

    const auto stored = reloaded();
    EXPECT_EQ(stored->documents().back()->elements().back()->content(), "Signed here");
    EXPECT_TRUE(stored->local());
}

TEST_F(ModelTest, InitializeValidationCreatesAndSavesOnlyOnce)
{
    const auto transaction = storedTransaction(true);
    const auto element = ZKElement::insertNew();
    element->setIdent("new-element");
    transaction->documents().front()->addElement(element);
    element->initializeValidationIfNeeded();
    const auto validation = element->validation();
    ASSERT_NE(validation, nullptr);
    EXPECT_FALSE(manager->hasChanges());

    element->initializeValidationIfNeeded();
    EXPECT_EQ(element->validation(), validation);
    const auto stored = reloaded()->documents().front()->elements().back();
    EXPECT_EQ(stored->ident(), "new-element");
    ASSERT_NE(stored->validation(), nullptr);
    EXPECT_FALSE(stored->validation()->required());
}

TEST_F(ModelTest, RadioGroupNamesAreDistinctSortedAndScoped)
{
    const auto transaction = storedTransaction(true);
    auto& first = *transaction->documents().front();
    auto& second = *transaction->documents().back();
    radio(first, "sig", {"Beta"});
    radio(first, "sig", {"alpha"});
    radio(first, "sig", {"Beta", "other"});
    radio(first, "sig", {});
    radio(first, "sig", {"gamma"})->setType("CheckBox");
    radio(first, "other-sig", {"delta"});
    radio(second, "sig", {"epsilon"});
    ASSERT_FALSE(manager->save().has_value());

    EXPECT_EQ(ZKElement::radioButtonGroupNamesForSignatureWithIdentForDocumentWithIdent("sig", first.ident()),
              (std::vector<std::string>{"alpha", "Beta"}))
        << "ignoring case, as a person reads them";
    EXPECT_EQ(ZKElement::radioButtonGroupNamesForSignatureWithIdentForDocumentWithIdent("sig", second.ident()),
              std::vector<std::string>{"epsilon"});
    EXPECT_TRUE(ZKElement::radioButtonGroupNamesForSignatureWithIdentForDocumentWithIdent("none", first.ident()).empty());
}

TEST_F(ModelTest, NewElementsTakeTheDesignerSettingsOfTheirKind)
{
    ZKFieldSettings::install(std::make_shared<ZKDesignerFieldSettings>());
    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(Dictionary{
        {"signerName", {{"template", {{"validation", {{"required", true}}}}}}},
        {"datepicker", {{"template", {{"validation", {{"required", true}, {"pattern", "dd/MM/yyyy"}}}}}}},
        {"", {{"template", {{"validation", {{"required", true}, {"pattern", "never"}}}}}}}});
    const auto transaction = storedTransaction(true);
    const auto frame = platform::graphics::makeRect(10, 20, 130, 38);
    auto create = [&](const std::string& type, const std::optional<std::string>& autofill, int documentIndex = 1) {
        return ZKElement::createElementFromTypeForApprovalForRolesWithAutofillValueWithFrameInDocumentIndexAndPageNumberForTransaction(
            type, std::string("sig"), {"role-1"}, autofill, frame, documentIndex, 3, transaction);
    };

    const auto name = create("TextBox", std::string("{signer.name}"));
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->validation()->required());
    EXPECT_EQ(name->document(), transaction->documents().back());
    EXPECT_EQ(name->page(), 3);
    EXPECT_EQ(name->frame(), frame);
    EXPECT_EQ(name->roles(), std::vector<std::string>{"role-1"});
    EXPECT_FALSE(name->ident().empty());

    const auto plain = create("TextBox", std::nullopt);
    ASSERT_NE(plain->validation(), nullptr);
    EXPECT_FALSE(plain->validation()->required());

    const auto date = create("dateEntryField", std::nullopt);
    EXPECT_TRUE(date->validation()->required());
    EXPECT_EQ(date->validation()->pattern(), "dd/MM/yyyy");

    // A signature's designer type is "": it never takes a required flag, only a pattern.
    const auto signature = create("SIGNATURE", std::nullopt);
    ASSERT_NE(signature->validation(), nullptr);
    EXPECT_FALSE(signature->validation()->required());
    EXPECT_EQ(signature->validation()->pattern(), "never");

    EXPECT_EQ(create("TextBox", std::nullopt, 2), nullptr);
    EXPECT_EQ(create("TextBox", std::nullopt, -1), nullptr);
    ASSERT_FALSE(manager->save().has_value());
    EXPECT_EQ(reloaded()->documents().back()->elements().size(), 6u);
}

TEST_F(ModelTest, WithoutSettingsASignatureGetsNoValidation)
{
    const auto transaction = storedTransaction(true);
    const auto signature = ZKElement::createElementFromTypeForApprovalForRolesWithAutofillValueWithFrameInDocumentIndexAndPageNumberForTransaction(
        "SIGNATURE", std::nullopt, {}, std::nullopt, {}, 0, 1, transaction);
    ASSERT_NE(signature, nullptr);
    EXPECT_EQ(signature->validation(), nullptr);
}

TEST(ParticipantNames, DisplayNameAndInitialsFallBackToTheEmail)
{
    ZKParticipant participant;
    participant.setEmail("jane@example.com");
    EXPECT_EQ(participant.nameDisplay(), "jane@example.com");
    EXPECT_EQ(participant.initials(), "J.");

    participant.setFirstName("  émile ");
    EXPECT_EQ(participant.nameDisplay(), "émile");
    EXPECT_EQ(participant.initials(), "É.");

    participant.setLastName("zola");
    EXPECT_EQ(participant.nameDisplay(), "émile zola");
    EXPECT_EQ(participant.initials(), "É.Z.");

    participant.setOrder(22);
    EXPECT_EQ(participant.editColor(), ZKColor::signerColorAtIndex(2));

    ZKParticipant nobody;
    EXPECT_EQ(nobody.nameDisplay(), "");
    EXPECT_EQ(nobody.initials(), "");
}

TEST(DetachedEntities, WorkWithoutAStore)
{
    auto transaction = std::make_shared<ZKTransaction>();
    EXPECT_FALSE(transaction->setLocal());
    EXPECT_TRUE(transaction->local());
    auto element = std::make_shared<ZKElement>();
    element->updateContent("x");
    EXPECT_EQ(element->content(), "x");
    EXPECT_TRUE(ZKElement::radioButtonGroupNamesForSignatureWithIdentForDocumentWithIdent("a", "b").empty());
    EXPECT_EQ(ZKTransaction::transactionWithGIUD("any"), nullptr);
}
