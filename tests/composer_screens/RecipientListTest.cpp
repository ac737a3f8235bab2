#include "RecipientListTest.h"

#include "foundation/RunLoop.h"
#include "foundation/Text.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"

namespace composer_screens_testing {

void RecipientListTest::openWithRecipients(const std::vector<std::string>& firstNames)
{
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName("Offer");
    transaction->addDocument(VTDocument::initWithNameAndPath("Plan", writePdf("plan.pdf")));
    for (const auto& name : firstNames) {
        transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
            name, "Last", platform::text::toLower(name) + "@example.com", std::nullopt, std::nullopt, std::nullopt));
    }
    ASSERT_NE(open(transaction), nullptr);
    page()->tableView.lock()->scrollToRow({0, Row::addRecipient}, platform::ui::TableScrollPosition::top, false);
    settle();
}

std::shared_ptr<CreateTransactionRecipientListCell> RecipientListTest::list() const
{
    return std::dynamic_pointer_cast<CreateTransactionRecipientListCell>(row(Row::recipientList));
}

std::shared_ptr<CreateTransactionRecipientCell> RecipientListTest::recipient(int row) const
{
    return std::dynamic_pointer_cast<CreateTransactionRecipientCell>(inner()->cellForRow({0, row}));
}

platform::ui::Point RecipientListTest::centerOf(int row) const
{
    const auto table = inner();
    return table->convertPointTo(table->rectForRow({0, row}).center(), nullptr);
}

std::vector<std::string> RecipientListTest::rowTexts() const
{
    std::vector<std::string> texts;
    for (int index = 0; index < inner()->numberOfRows(0); ++index) {
        const auto cell = recipient(index);
        const std::string name = cell->fullNameLabel.lock()->text().value_or("");
        texts.push_back(cell->signerIndexLabel.lock()->text().value_or("") + " " + name.substr(0, name.find(' ')));
    }
    return texts;
}

std::vector<std::string> RecipientListTest::modelNames() const
{
    std::vector<std::string> names;
    for (int index = 0; index < model->signersNumber(); ++index) {
        names.push_back(model->dataForSignerWithIndex(index).value("firstName", ""));
    }
    return names;
}

void RecipientListTest::swipeOpen(int row)
{
    window->layoutIfNeeded();
    fingers->swipe(centerOf(row), platform::ui::SwipeDirection::left);
    platform::RunLoop::main().advance(CreateTransactionRecipientCell::animationDuration);
}

void RecipientListTest::runUntil(const std::function<bool()>& condition)
{
    waitFor(condition);
    window->layoutIfNeeded();
}

} // namespace composer_screens_testing
