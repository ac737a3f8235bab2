// Contact cards dragged in from another application and dropped on the recipient list.
#include "RecipientListTest.h"

#include "contacts/VCardWriter.h"
#include "dragdrop/DropInjector.h"
#include "dragdrop/TypeIdentifier.h"
#include "foundation/RunLoop.h"
#include "sdk/screens/VTAlertView.h"
#include "sdk/screens/VTErrorAlertView.h"

#include <algorithm>
#include <future>

namespace {

using composer_screens_testing::RecipientListTest;
using platform::dragdrop::Bytes;
using platform::dragdrop::DragItem;
using platform::dragdrop::ItemProvider;
using Names = std::vector<std::string>;

const std::string kVCard(platform::dragdrop::TypeIdentifier::vCard);

class RecipientDropTest : public RecipientListTest {
protected:
    static platform::contacts::Contact person(const std::string& first, const std::string& last,
                                              const std::string& email)
    {
        platform::contacts::Contact person;
        person.givenName = first;
        person.familyName = last;
        if (!email.empty()) {
            person.emailAddresses = {{"work", email}};
        }
        return person;
    }
    static DragItem cardOf(const std::vector<platform::contacts::Contact>& people)
    {
        const std::string text = platform::contacts::VCardWriter::write(people, platform::contacts::VCardVersion::v3_0);
        return {std::make_shared<ItemProvider>(kVCard, Bytes(text.begin(), text.end()))};
    }
    static DragItem card(const std::string& first, const std::string& last, const std::string& email)
    {
        return cardOf({person(first, last, email)});
    }
    static DragItem unreadableCard() { return {std::make_shared<ItemProvider>(kVCard, Bytes{'%', 'P', 'D', 'F'})}; }

    platform::dragdrop::DropOutcome drop(std::vector<DragItem> items)
    {
        window->layoutIfNeeded();
        return platform::dragdrop::DropInjector(window).drop(std::move(items), *list());
    }
    static std::shared_ptr<VTErrorAlertView> alert() { return VTAlertView::sharedInstance()->errorAlertView(); }
};

TEST_F(RecipientDropTest, CardsTheModelRefusesAreCountedInOneAlert)
{
    openWithRecipients({"Ann"});
    EXPECT_FALSE(drop({{std::make_shared<ItemProvider>("com.adobe.pdf", Bytes{'%', 'P', 'D', 'F'})}}).performed);
    EXPECT_TRUE(drop({unreadableCard()}).performed);
    ASSERT_TRUE(finishBackgroundWork());
    EXPECT_EQ(modelNames(), Names{"Ann"}) << "nothing readable, nothing added";
    EXPECT_EQ(alert(), nullptr);

    const auto outcome = drop({card("Eve", "Nomail", ""), card("Ann", "Again", "ann@example.com"),
                               card("Joe", "Good", "joe@example.com")});
    EXPECT_TRUE(outcome.performed);
    EXPECT_EQ(outcome.target, list());
    runUntil([this] { return alert() != nullptr; });
    EXPECT_EQ(modelNames(), (Names{"Ann", "Joe"}));
    ASSERT_NE(alert(), nullptr);
    EXPECT_EQ(alert()->titleLabel()->text(), "Error");
    EXPECT_EQ(alert()->messageLabel()->text(),
              "2 contact(s) were not added.\nMissing information or existing contact");
    settle();
    EXPECT_EQ(rowTexts(), (Names{"1 Ann", "2 Joe"}));
}

// One card of many people joins as one batch, in the card's order.
TEST_F(RecipientDropTest, ACardOfManyPeopleAddsEveryGoodOneInOrderAndReportsTheRest)
{
    openWithRecipients({"Ann"});
    drop({cardOf({person("Joe", "Good", "joe@example.com"), person("Eve", "Nomail", ""),
                  person("Kim", "Good", "kim@example.com"), person("Ann", "Again", "ann@example.com"),
                  person("Joe", "Twice", "joe@example.com"), person("Lou", "Good", "lou@example.com")})});
    runUntil([this] { return alert() != nullptr; });
    EXPECT_EQ(modelNames(), (Names{"Ann", "Joe", "Kim", "Lou"}));
    ASSERT_NE(alert(), nullptr);
    EXPECT_EQ(alert()->messageLabel()->text(),
              "3 contact(s) were not added.\nMissing information or existing contact");
    settle();
    EXPECT_EQ(rowTexts(), (Names{"1 Ann", "2 Joe", "3 Kim", "4 Lou"}));
}

TEST_F(RecipientDropTest, AnUnreadableCardAmongGoodOnesIsSkippedAndTheImportWaitsForTheLastAnswer)
{
    openWithRecipients({"Ann"});
    std::promise<void> release;
    auto slow = std::make_shared<ItemProvider>();
    slow->registerDataLoader(kVCard, [ready = release.get_future().share()]() -> std::optional<Bytes> {
        ready.wait();
        return std::nullopt;
    });
    drop({card("Joe", "Good", "joe@example.com"), unreadableCard(), {slow}, card("Kim", "Good", "kim@example.com")});
    platform::RunLoop::main().advanceUntil([] { return false; }, 0.2);
    EXPECT_EQ(model->signersNumber(), 1) << "nothing joins before every item has answered";

    release.set_value();
    runUntil([this] { return model->signersNumber() == 3; });
    // In the order the answers came, which the item providers' threads decide.
    auto names = modelNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"Ann", "Joe", "Kim"}));
    EXPECT_EQ(alert(), nullptr) << "unreadable items are not reported";
}

} // namespace
