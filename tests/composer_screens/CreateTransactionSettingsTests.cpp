#include "ComposerScreenTest.h"

#include "composer/screens/CreateTransactionAutoCompleteCell.h"
#include "composer/screens/CreateTransactionDescriptionCell.h"
#include "composer/screens/CreateTransactionExpiryDateCell.h"
#include "composer/screens/CreateTransactionInPersonSigningCell.h"
#include "composer/screens/CreateTransactionMessageToSignersCell.h"
#include "composer/screens/CreateTransactionSettingsVC.h"
#include "composer/screens/CreateTransactionTransactionNameCell.h"
#include "foundation/Date.h"
#include "foundation/Environment.h"
#include "support/ZKColor.h"

namespace {

using composer_screens_testing::ComposerScreenTest;
using platform::Date;
using platform::ui::DeviceProfile;
using platform::ui::InterfaceOrientation;
using Settings = CreateTransactionSettingsVC;
using MainRow = CreateTransactionPageRowHeights::Row;

// Moments in UTC, the tests' time zone.
const Date june10Noon(1749556800);     // Tue 10 Jun 2025 12:00
const Date july1(1751360400);          // Tue 1 Jul 2025 09:00
const Date june1(1748768400);          // Sun 1 Jun 2025 09:00
const Date august1(1754038800);        // Fri 1 Aug 2025 09:00
const Date newYearsEve(1767223800);    // Wed 31 Dec 2025 23:30

class CreateTransactionSettingsTest : public ComposerScreenTest {
protected:
    void SetUp() override
    {
        ComposerScreenTest::SetUp();
        Date::pinNow(june10Noon);
    }

    // The main page on a named transaction with the model's settings as given, then its
    // settings button.
    std::shared_ptr<Settings> openSettings(const std::function<void()>& prepareModel = nullptr)
    {
        openWith("Lease", 1, {"ann@example.com"});
        if (prepareModel) {
            prepareModel();
        }
        tapAndSettle(*page()->settingsButton.lock());
        settings = std::dynamic_pointer_cast<Settings>(page()->presentedViewController());
        EXPECT_NE(settings, nullptr);
        return settings;
    }

    template <class Cell>
    std::shared_ptr<Cell> cell(int row) const
    {
        return std::dynamic_pointer_cast<Cell>(settings->tableView.lock()->cellForRow({0, row}));
    }
    double heightOf(int row) const { return settings->tableView.lock()->rectForRow({0, row}).height(); }
    bool saveShown() const { return isShown(*settings->saveButton.lock()); }
    void save() { tapAndSettle(*settings->saveButton.lock()); }
    void back() { tapAndSettle(*settings->backButton); }
    std::shared_ptr<CreateTransactionExpiryDateCell> expiryCell() const
    {
        return cell<CreateTransactionExpiryDateCell>(Settings::expiryDate);
    }
    std::string expiryLabel() const { return expiryCell()->expiryDateLabel.lock()->text().value_or(""); }
    // The expiry button's title while a person can see it, else "".
    std::string expiryButton() const
    {
        const auto button = expiryCell()->confirmRemoveButton.lock();
        return isShown(*button) ? button->title().value_or("") : "";
    }
    void toggleExpiryRow() { tapAndSettle(*expiryCell()->setExpiryDateButton.lock()); }
    void pick(const Date& date)
    {
        fingers->pickDate(*expiryCell()->expiryDatePicker.lock(), date);
        settle();
    }
    // A finger drags the table's content up (positive) or down.
    void scrollTable(double distance)
    {
        const auto table = settings->tableView.lock();
        const auto centre = fingers->centerOf(*table);
        fingers->pan({centre, {centre.x, centre.y - distance / 2}, {centre.x, centre.y - distance}});
        settle();
    }

    std::shared_ptr<Settings> settings;
};

TEST_F(CreateTransactionSettingsTest, SaveShowsWithTheFirstChangeAndWritesBackWhatWasLoaded)
{
    openSettings([this] {
        model->setTransactionDescription("Flat 4B, twelve months");
        model->setEmailMessage("Please sign by Friday");
        model->setInPerson(true);
        model->setAutoComplete(false);
        model->setTransactionExpiry(july1);
    });
    EXPECT_FALSE(saveShown());
    EXPECT_EQ(cell<CreateTransactionTransactionNameCell>(Settings::name)->transactionNameTextField.lock()->text(),
              "Lease");
    EXPECT_EQ(heightOf(Settings::description), 139) << "a loaded description opens its row";
    EXPECT_EQ(heightOf(Settings::message), 139);
    EXPECT_TRUE(cell<CreateTransactionInPersonSigningCell>(Settings::inPersonSigning)->inPersonSigningSwitch.lock()->isOn());
    EXPECT_FALSE(cell<CreateTransactionAutoCompleteCell>(Settings::autoComplete)->autoCompleteSwitch.lock()->isOn());

    const auto autoComplete = cell<CreateTransactionAutoCompleteCell>(Settings::autoComplete)->autoCompleteSwitch.lock();
    tap(*autoComplete);
    EXPECT_TRUE(saveShown());
    tap(*autoComplete);
    // Meanwhile something else changes the model; Save writes the page's values.
    model->setTransactionDescription("changed elsewhere");
    model->setTitle("Other");
    save();
    EXPECT_EQ(page()->presentedViewController(), nullptr);
    EXPECT_EQ(model->title(), "Lease");
    EXPECT_EQ(model->transactionDescription(), "Flat 4B, twelve months");
    EXPECT_EQ(model->emailMessage(), "Please sign by Friday");
    EXPECT_TRUE(model->inPerson());
    EXPECT_FALSE(model->autoComplete());
    EXPECT_EQ(model->transactionExpiry(), july1);
    EXPECT_EQ(titleText(), "Lease x") << "the main page hears the name";
}

TEST_F(CreateTransactionSettingsTest, ANameTypedHereReachesTheMainPageAndAnEmptyOneOpensItsNameRow)
{
    openSettings();
    tap(*cell<CreateTransactionAutoCompleteCell>(Settings::autoComplete)->autoCompleteSwitch.lock());
    const auto nameCell = cell<CreateTransactionTransactionNameCell>(Settings::name);
    tap(*nameCell->transactionNameTextField.lock());
    fingers->deleteBackward(5);
    fingers->typeText(" Renewal ");
    save();

    EXPECT_EQ(model->title(), "Renewal") << "Save after typing, without Return, keeps the name";
    EXPECT_EQ(titleText(), "Renewal x");

    openSettings();
    const auto field = cell<CreateTransactionTransactionNameCell>(Settings::name)->transactionNameTextField.lock();
    tap(*field);
    fingers->deleteBackward(20);
    fingers->typeText("  ");
    fingers->pressReturn();
    settle();
    EXPECT_EQ(cell<CreateTransactionTransactionNameCell>(Settings::name)->transactionNameStatusBar.lock()->backgroundColor(),
              ZKColor::error());
    save();
    EXPECT_EQ(model->title(), "");
    EXPECT_EQ(heightOfRow(MainRow::name), 103) << "no name: the main page opens its name row";
}

TEST_F(CreateTransactionSettingsTest, BackDropsEveryEditAndClearingTheDescriptionCollapsesItsRowAndSavesNone)
{
    openSettings([this] { model->setEmailMessage("Hello"); });
    tap(*cell<CreateTransactionInPersonSigningCell>(Settings::inPersonSigning)->inPersonSigningSwitch.lock());
    tap(*cell<CreateTransactionMessageToSignersCell>(Settings::message)->messageToAllRecipientsTextView.lock());
    fingers->typeText(" all");
    ASSERT_TRUE(saveShown());
    back();
    EXPECT_EQ(page()->presentedViewController(), nullptr);
    EXPECT_FALSE(model->inPerson());
    EXPECT_EQ(model->emailMessage(), "Hello");

    openSettings([this] { model->setTransactionDescription("Old terms"); });
    const auto description = cell<CreateTransactionDescriptionCell>(Settings::description);
    tapAndSettle(*description->transactionDescriptionClearButton.lock());
    EXPECT_EQ(heightOf(Settings::description), 45);
    EXPECT_TRUE(isShown(*description->addTransactionDescriptionButton.lock()));
    EXPECT_FALSE(isShown(*description->transactionDescriptionPlaceHolder.lock()));
    save();
    EXPECT_EQ(model->transactionDescription(), std::nullopt);
}

TEST_F(CreateTransactionSettingsTest, TextEmptiedByHandIsSavedAsNoneWhileTheRowStaysOpen)
{
    openSettings([this] {
        model->setTransactionDescription("Abc");
        model->setEmailMessage("Hi");
    });
    const auto description = cell<CreateTransactionDescriptionCell>(Settings::description);
    const auto textView = description->transactionDescriptionTextView.lock();
    tap(*textView);
    fingers->deleteBackward(3);
    EXPECT_TRUE(textView->isFirstResponder());
    EXPECT_EQ(heightOf(Settings::description), 139);

    const auto message = cell<CreateTransactionMessageToSignersCell>(Settings::message);
    tap(*message->messageToAllRecipientsTextView.lock());
    fingers->deleteBackward(2);
    fingers->typeText("Line one");
    fingers->pressReturn();
    fingers->typeText("line two ");
    settle();
    // By now the message's row is at the top, with the description's scrolled off above it.
    EXPECT_FALSE(description->addDescriptionLabel.lock()->isHidden()) << "the hint is back once editing ends";
    save();
    EXPECT_EQ(model->transactionDescription(), std::nullopt);
    EXPECT_EQ(model->emailMessage(), "Line one\nline two ") << "stored as typed";
}

TEST_F(CreateTransactionSettingsTest, TheAddButtonOpensARowAndRowsScrolledBackShowWhatSaveWillWrite)
{
    openSettings();
    rotate(InterfaceOrientation::landscapeLeft);
    EXPECT_EQ(heightOf(Settings::message), 45) << "a compact height edits the message here";
    const auto message = cell<CreateTransactionMessageToSignersCell>(Settings::message);
    tapAndSettle(*message->addMessageButton.lock());
    EXPECT_EQ(heightOf(Settings::message), 139);
    tap(*message->messageToAllRecipientsTextView.lock());
    EXPECT_FALSE(isShown(*message->addAMessageLabel.lock()));
    fingers->typeText("Bring ID");
    tapAndSettle(*settings->titleLabel);

    toggleExpiryRow();
    pick(august1);
    tapAndSettle(*expiryCell()->confirmRemoveButton.lock());
    scrollTable(400);
    scrollTable(-900);
    scrollTable(900);
    EXPECT_EQ(expiryLabel(), "Fri, 1 Aug 2025");
    EXPECT_EQ(expiryButton(), "Remove");
    scrollTable(-900);
    EXPECT_EQ(cell<CreateTransactionMessageToSignersCell>(Settings::message)->messageToAllRecipientsTextView.lock()->text(),
              "Bring ID");
    EXPECT_EQ(heightOf(Settings::message), 139);
}

TEST_F(CreateTransactionSettingsTest, AStoredExpiryShowsCollapsedWithRemoveAndAPickedDateDecidesTheButton)
{
    openSettings([this] { model->setTransactionExpiry(july1); });
    EXPECT_EQ(heightOf(Settings::expiryDate), 45);
    EXPECT_EQ(expiryLabel(), "Tue, 1 Jul 2025");
    EXPECT_EQ(expiryButton(), "Remove");

    toggleExpiryRow();
    EXPECT_EQ(heightOf(Settings::expiryDate), 262);
    EXPECT_EQ(expiryCell()->expiryDatePicker.lock()->date(), july1) << "the picker keeps the stored date";
    pick(june1);
    EXPECT_EQ(expiryButton(), "") << "a past date cannot be confirmed";
    pick(august1);
    EXPECT_EQ(expiryButton(), "Confirm");
    toggleExpiryRow();
    EXPECT_EQ(expiryButton(), "") << "collapsing drops an unconfirmed date";
    save();
    EXPECT_EQ(model->transactionExpiry(), july1);
}

TEST_F(CreateTransactionSettingsTest, ANewExpiryStartsNowGoesNoEarlierAndIsConfirmedOrRemoved)
{
    openSettings();
    EXPECT_EQ(expiryLabel(), "Set expiry date");
    EXPECT_EQ(expiryButton(), "");
    settle(30);
    const Date opened = Date::now();
    toggleExpiryRow();
    const auto picker = expiryCell()->expiryDatePicker.lock();
    EXPECT_EQ(picker->minimumDate(), picker->date());
    EXPECT_GE(picker->date(), opened) << "the moment the row opens, not the moment the page loaded";
    EXPECT_LE(picker->date(), opened.byAdding(1));
    pick(june1);
    EXPECT_EQ(picker->date(), picker->minimumDate());
    EXPECT_EQ(expiryButton(), "") << "now is not later than now";

    pick(newYearsEve);
    tapAndSettle(*expiryCell()->confirmRemoveButton.lock());
    EXPECT_EQ(heightOf(Settings::expiryDate), 45);
    EXPECT_EQ(expiryLabel(), "Wed, 31 Dec 2025") << "the calendar year, not the week's";
    save();
    EXPECT_EQ(model->transactionExpiry(), newYearsEve);

    openSettings();
    tapAndSettle(*expiryCell()->confirmRemoveButton.lock());
    EXPECT_EQ(expiryLabel(), "Set expiry date");
    save();
    EXPECT_EQ(model->transactionExpiry(), std::nullopt);
}

TEST_F(CreateTransactionSettingsTest, OnATabletTheMessageIsNotEditedHereAndTheDateLabelFollowsTheTimeZone)
{
    makeHost(DeviceProfile::tablet);
    platform::Environment::setTimeZone("Europe/Berlin");
    openSettings();
    EXPECT_EQ(heightOf(Settings::message), 0);
    toggleExpiryRow();
    pick(newYearsEve);
    EXPECT_EQ(expiryButton(), "Confirm");
    tapAndSettle(*expiryCell()->confirmRemoveButton.lock());
    EXPECT_EQ(expiryLabel(), "Thu, 1 Jan 2026");
}

} // namespace

namespace {

TEST_F(CreateTransactionSettingsTest, ClearEndsWhereTheEditorEndsAndTheExpiryRowShowsItOpens)
{
    openSettings();
    tapAndSettle(*cell<CreateTransactionDescriptionCell>(Settings::description)->addTransactionDescriptionButton.lock());
    tapAndSettle(*cell<CreateTransactionMessageToSignersCell>(Settings::message)->addMessageButton.lock());
    const auto description = cell<CreateTransactionDescriptionCell>(Settings::description);
    const auto message = cell<CreateTransactionMessageToSignersCell>(Settings::message);
    const std::vector<std::pair<std::shared_ptr<platform::ui::Button>, std::shared_ptr<platform::ui::View>>> rows{
        {description->transactionDescriptionClearButton.lock(), description->transactionDescriptionPlaceHolder.lock()},
        {message->clearButton.lock(), message->messageToAllRecipientsPlaceHolder.lock()}};
    for (const auto& [clear, editor] : rows) {
        ASSERT_TRUE(isShown(*clear));
        EXPECT_TRUE(titleFits(*clear));
        EXPECT_NEAR(titleRightEdge(*clear), editor->convertRectTo(editor->bounds(), nullptr).maxX(), 1);
    }

    const auto chevron = expiryCell()->disclosureChevron.lock();
    ASSERT_NE(chevron, nullptr);
    EXPECT_TRUE(isShown(*chevron));
    const auto collapsedGlyph = chevron->text();
    toggleExpiryRow();
    EXPECT_TRUE(isShown(*chevron)) << "until a date is picked the open row still shows how to close it";
    EXPECT_NE(chevron->text(), collapsedGlyph);
    pick(july1);
    EXPECT_FALSE(isShown(*chevron)) << "Confirm takes the chevron's place";
    tapAndSettle(*expiryCell()->confirmRemoveButton.lock());
    EXPECT_FALSE(isShown(*chevron)) << "Remove takes the chevron's place";
}

} // namespace

namespace {

// The description and the message, each opened and typed into on a phone held upright or
// sideways, then turned both ways with the keyboard up; on a tablet, where the message is
// not edited here, the description alone.
TEST_F(CreateTransactionSettingsTest, TheTextBeingTypedStaysAboveTheKeyboardAlsoAfterATurn)
{
    const auto descriptionEditor = [this] {
        const auto row = cell<CreateTransactionDescriptionCell>(Settings::description);
        tapAndSettle(*row->addTransactionDescriptionButton.lock());
        return row->transactionDescriptionTextView.lock();
    };
    const auto messageEditor = [this] {
        const auto row = cell<CreateTransactionMessageToSignersCell>(Settings::message);
        tapAndSettle(*row->addMessageButton.lock());
        return row->messageToAllRecipientsTextView.lock();
    };
    struct Case {
        DeviceProfile profile;
        InterfaceOrientation start;
        InterfaceOrientation turned;
        bool message;
    };
    const std::vector<Case> cases{
        {DeviceProfile::phone, InterfaceOrientation::portrait, InterfaceOrientation::landscapeLeft, false},
        {DeviceProfile::phone, InterfaceOrientation::portrait, InterfaceOrientation::landscapeLeft, true},
        {DeviceProfile::phone, InterfaceOrientation::landscapeRight, InterfaceOrientation::portrait, true},
        {DeviceProfile::phoneWithNotch, InterfaceOrientation::portrait, InterfaceOrientation::landscapeLeft, true},
        {DeviceProfile::tablet, InterfaceOrientation::portrait, InterfaceOrientation::landscapeLeft, false},
        {DeviceProfile::tablet, InterfaceOrientation::landscapeLeft, InterfaceOrientation::portrait, false},
    };
    for (const auto& [profile, start, turned, message] : cases) {
        SCOPED_TRACE(testing::Message() << "profile " << static_cast<int>(profile) << ", from "
                                        << static_cast<int>(start) << (message ? ", message" : ", description"));
        makeHost(profile);
        rotate(start);
        openSettings();
        const auto editor = message ? messageEditor() : descriptionEditor();
        const auto table = settings->tableView.lock();
        tap(*editor);
        fingers->typeText("Please sign by Friday");
        settle();
        EXPECT_TRUE(typedAboveKeyboard(*editor, *table)) << "as typing begins";
        rotate(turned);
        EXPECT_TRUE(typedAboveKeyboard(*editor, *table)) << "turned";
        rotate(start);
        EXPECT_TRUE(typedAboveKeyboard(*editor, *table)) << "turned back";
        tapAndSettle(*settings->titleLabel);
        EXPECT_EQ(table->contentInset().bottom, 0) << "no room is kept for a keyboard that went";
        const double lastRowBottom = table->rectForRow({0, Settings::bottomSpace}).maxY();
        EXPECT_LE(table->contentOffset().y, std::max(0.0, lastRowBottom - table->bounds().height()))
            << "no blank band is left where the keyboard was";
    }
}

} // namespace
