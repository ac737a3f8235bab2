#include "ComposerScreenTest.h"

#include "composer/screens/CreateTransactionTransactionNameCell.h"
#include "foundation/RunLoop.h"
#include "graphics/PdfWriter.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/facade/Veltra.h"
#include "service/ZKIdentity.h"

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

} // namespace composer_screens_testing
