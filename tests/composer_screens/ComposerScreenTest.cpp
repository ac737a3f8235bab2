#include "ComposerScreenTest.h"

#include "composer/screens/CreateTransactionTransactionNameCell.h"
#include "foundation/RunLoop.h"
#include "graphics/PdfWriter.h"
#include "graphics/TextLayout.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/facade/Veltra.h"
#include "service/ZKIdentity.h"
#include "ui/Keyboard.h"

#include <algorithm>
#include <fstream>

namespace composer_screens_testing {

void ComposerScreenTest::SetUp()
{
    VeltraTest::SetUp();
    model = VLTNewTransactionViewModel::sharedInstance();
    ZKIdentity::sharedInstance()->recordUser(Dictionary{
        {"email", "sam@example.com"}, {"firstName", "Sam"}, {"lastName", "Sender"}, {"uid", "uid-sam"}});
    const auto facade = Veltra::dashboard();
    facade->setDelegate(host);
    facade->setCreateTransactionDelegate(host);
    makeHost(platform::ui::DeviceProfile::phone);
}

void ComposerScreenTest::TearDown()
{
    fingers.reset();
    VeltraTest::TearDown();
}

void ComposerScreenTest::makeHost(platform::ui::DeviceProfile profile, bool withNavigation)
{
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(profile);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    root = std::make_shared<platform::ui::ViewController>();
    navigation = withNavigation ? std::make_shared<platform::ui::NavigationController>(root) : nullptr;
    window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(navigation ? std::static_pointer_cast<platform::ui::ViewController>(navigation)
                                             : root);
    window->makeKeyAndVisible();
    fingers = std::make_unique<platform::ui::TouchInjector>(window);
    Veltra::dashboard()->setRootViewController(root);
}

std::shared_ptr<ComposerScreenTest::Page> ComposerScreenTest::page() const
{
    const auto top = navigation ? navigation->topViewController() : root->presentedViewController();
    return std::dynamic_pointer_cast<Page>(top);
}

std::string ComposerScreenTest::writePdf(const std::string& fileName) const
{
    platform::graphics::PdfWriter writer;
    writer.beginPage({612, 792});
    const auto bytes = writer.finish();
    const auto path = home() / fileName;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
    return path.string();
}

std::shared_ptr<ComposerScreenTest::Page> ComposerScreenTest::openWith(const std::optional<std::string>& name,
                                                                       int documents,
                                                                       const std::vector<std::string>& recipientEmails,
                                                                       bool canAddDocuments, bool canDeleteDocuments,
                                                                       bool canReorderDocuments)
{
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName(name);
    for (int index = 0; index < documents; ++index) {
        const std::string documentName = "Document " + std::to_string(index);
        transaction->addDocument(VTDocument::initWithNameAndPath(documentName, writePdf(documentName + ".pdf")));
    }
    for (const auto& email : recipientEmails) {
        transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
            "First", "Last", email, std::nullopt, std::nullopt, std::nullopt));
    }
    return open(transaction, canAddDocuments, canDeleteDocuments, canReorderDocuments);
}

std::shared_ptr<ComposerScreenTest::Page> ComposerScreenTest::open(const std::shared_ptr<VTTransaction>& transaction,
                                                                   bool canAddDocuments, bool canDeleteDocuments,
                                                                   bool canReorderDocuments)
{
    EXPECT_TRUE(Veltra::dashboard()->createAndStartEditWithTransaction(transaction, canAddDocuments,
                                                                       canDeleteDocuments, canReorderDocuments));
    settle();
    return page();
}

void ComposerScreenTest::tap(const platform::ui::View& view)
{
    window->layoutIfNeeded();
    fingers->tap(view);
}

void ComposerScreenTest::tapAndSettle(const platform::ui::View& view)
{
    tap(view);
    settle();
}

void ComposerScreenTest::typeName(const std::string& name)
{
    const auto cell = std::dynamic_pointer_cast<CreateTransactionTransactionNameCell>(row(0));
    ASSERT_NE(cell, nullptr);
    tap(*cell->transactionNameTextField.lock());
    fingers->typeText(name);
    fingers->pressReturn();
}

void ComposerScreenTest::settle(double seconds)
{
    platform::RunLoop::main().advance(seconds);
    window->layoutIfNeeded();
}

void ComposerScreenTest::rotate(platform::ui::InterfaceOrientation orientation)
{
    platform::ui::Screen::main().setOrientation(orientation);
    settle();
}

platform::ui::TableViewCellPtr ComposerScreenTest::row(int row) const
{
    return page()->tableView.lock()->cellForRow({0, row});
}

double ComposerScreenTest::heightOfRow(int row) const
{
    return page()->tableView.lock()->rectForRow({0, row}).height();
}

std::string ComposerScreenTest::titleText() const
{
    const auto title = page()->transactionNameButton.lock()->attributedTitle();
    return title ? title->string() : "";
}

bool ComposerScreenTest::isShown(const platform::ui::View& view)
{
    if (!view.window()) {
        return false;
    }
    for (const platform::ui::View* current = &view; current; current = current->superviewPointer()) {
        if (current->isHidden() || current->alpha() < 0.01) {
            return false;
        }
    }
    return true;
}

namespace {

// As the screen draws it.
double titleWidth(const platform::ui::Button& button)
{
    const auto& label = *button.titleLabel();
    platform::graphics::TextStyle style;
    style.font = label.font();
    return platform::graphics::TextLayout::measureAtScale(
               platform::graphics::AttributedString(label.text().value_or("")), style, 0,
               platform::ui::Screen::main().scale())
        .width;
}

void collectShownTexts(const platform::ui::View& view, std::vector<std::pair<double, std::string>>& texts)
{
    if (view.isHidden() || view.alpha() < 0.01) {
        return;
    }
    if (const auto* label = dynamic_cast<const platform::ui::Label*>(&view); label && label->text()) {
        texts.emplace_back(label->convertRectTo(label->bounds(), nullptr).minY(), *label->text());
    }
    for (const auto& subview : view.subviews()) {
        collectShownTexts(*subview, texts);
    }
}

} // namespace

double ComposerScreenTest::titleRightEdge(const platform::ui::Button& button)
{
    // A button draws its title in its own bounds.
    const auto frame = button.convertRectTo(button.bounds(), nullptr);
    const double drawn = std::min(titleWidth(button), frame.width());
    switch (button.titleLabel()->textAlignment()) {
    case platform::graphics::TextAlignment::left:
        return frame.minX() + drawn;
    case platform::graphics::TextAlignment::right:
        return frame.maxX();
    default:
        return frame.midX() + drawn / 2;
    }
}

bool ComposerScreenTest::titleFits(const platform::ui::Button& button)
{
    return titleWidth(button) <= button.bounds().width();
}

std::shared_ptr<platform::ui::Button> ComposerScreenTest::buttonTitled(const platform::ui::View& view,
                                                                      const std::string& title)
{
    for (const auto& subview : view.subviews()) {
        const auto button = std::dynamic_pointer_cast<platform::ui::Button>(subview);
        if (button && button->title() == title) {
            return button;
        }
        if (auto found = buttonTitled(*subview, title)) {
            return found;
        }
    }
    return nullptr;
}

std::vector<std::string> ComposerScreenTest::shownTexts(const platform::ui::View& view)
{
    std::vector<std::pair<double, std::string>> found;
    collectShownTexts(view, found);
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> texts;
    for (auto& [top, text] : found) {
        texts.push_back(std::move(text));
    }
    return texts;
}

testing::AssertionResult ComposerScreenTest::typedAboveKeyboard(const platform::ui::View& editor,
                                                               const platform::ui::View& scroller) const
{
    window->layoutIfNeeded();
    const auto& keyboard = platform::ui::Keyboard::shared();
    if (!keyboard.isVisible() || !editor.isFirstResponder() || !isShown(editor)) {
        return testing::AssertionFailure() << "the editor is not being typed into on screen";
    }
    const auto frame = editor.convertRectTo(editor.bounds(), nullptr);
    const double top = scroller.convertRectTo(scroller.bounds(), nullptr).minY();
    const double keyboardTop = keyboard.frame().minY();
    if (frame.minY() < top || frame.maxY() > keyboardTop) {
        return testing::AssertionFailure() << "the editor spans y " << frame.minY() << " to " << frame.maxY()
                                           << "; the page shows y " << top << " to " << keyboardTop;
    }
    return testing::AssertionSuccess();
}

} // namespace composer_screens_testing
