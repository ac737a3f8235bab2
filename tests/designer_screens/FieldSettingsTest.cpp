#include "FieldSettingsTest.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/ZKPrepareFormField.h"
#include "fields/ZKContextMenuView.h"
#include "fields/ZKElementView.h"
#include "foundation/RunLoop.h"
#include "graphics/PdfWriter.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKTransaction.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "store/ZKCoreDataManager.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"

#include <algorithm>
#include <fstream>

namespace designer_screens_testing {

namespace {

std::string writePdf(const std::filesystem::path& path)
{
    platform::graphics::PdfWriter writer;
    writer.beginPage({612, 792});
    const auto bytes = writer.finish();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
    return path.string();
}

} // namespace

void FieldSettingsTest::SetUp()
{
    VeltraTest::SetUp();
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(platform::ui::DeviceProfile::phone);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    root = std::make_shared<platform::ui::ViewController>();
    window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(std::make_shared<platform::ui::NavigationController>(root));
    window->makeKeyAndVisible();
    fingers = std::make_unique<platform::ui::TouchInjector>(window);
    Veltra::dashboard()->setRootViewController(root);

    VTTransaction transaction;
    transaction.setName("Lease");
    transaction.addDocument(VTDocument::initWithNameAndPath("Lease", writePdf(home() / "lease.pdf")));
    transaction.addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Tia", "Tenant", "tia@example.com", std::nullopt, std::nullopt, std::nullopt));
    transaction.addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Ben", "Landlord", "ben@example.com", std::nullopt, std::nullopt, std::nullopt));
    transaction.startEditingWithCallback([this](const Dictionary& reply) { guid = reply.value("guid", ""); });
    settle();
    ASSERT_FALSE(guid.empty());
    ASSERT_NE(hub(), nullptr);
}

void FieldSettingsTest::TearDown()
{
    fingers.reset();
    VeltraTest::TearDown();
}

std::shared_ptr<ZKMainViewController> FieldSettingsTest::hub() const
{
    return ZKCTouchManager::sharedInstance()->mainVController();
}

std::shared_ptr<ZKTransaction> FieldSettingsTest::draft() const
{
    return hub()->transaction();
}

std::shared_ptr<ZKElement> FieldSettingsTest::place(const std::string& type)
{
    const auto viewer = hub()->pdfViewController();
    if (!viewer->markedSignature() && type != "SIGNATURE") {
        place("SIGNATURE");
    }
    auto item = ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill("4", type, type, std::nullopt);
    item->setIsPrimaryFieldType(type == "SIGNATURE");
    const auto& elements = draft()->documents().front()->elements();
    const auto before = elements.size();
    viewer->userDidTapOnFormFieldViewToConvertLocationFrom(item, viewer->view());
    window->layoutIfNeeded();
    return elements.size() > before ? elements.back() : nullptr;
}

std::shared_ptr<ZKElementView> FieldSettingsTest::viewOf(const std::shared_ptr<ZKElement>& element) const
{
    const auto views = hub()->pdfViewController()->elementViews();
    const auto found =
        std::find_if(views.begin(), views.end(), [&](const auto& view) { return view->element() == element; });
    return found == views.end() ? nullptr : *found;
}

void FieldSettingsTest::openSettingsOf(const std::shared_ptr<ZKElement>& element)
{
    const auto field = viewOf(element);
    ASSERT_NE(field, nullptr);
    tap(*field);
    ASSERT_TRUE(field->areHandlersShown());
    tap(*field->contextMenu()->settingsBtn());
    settle();
}

std::shared_ptr<platform::ui::ViewController> FieldSettingsTest::presented() const
{
    auto top = hub()->presentedViewController();
    if (const auto navigation = std::dynamic_pointer_cast<platform::ui::NavigationController>(top)) {
        top = navigation->topViewController();
    }
    return top;
}

std::shared_ptr<ZKElement> FieldSettingsTest::stored(const std::shared_ptr<ZKElement>& element) const
{
    const auto store = ZKCoreDataManager::openDefault().manager;
    const auto transaction = store ? store->transactionWithGuid(guid) : nullptr;
    if (!transaction) {
        return nullptr;
    }
    for (const auto& document : transaction->documents()) {
        for (const auto& candidate : document->elements()) {
            if (candidate->ident() == element->ident()) {
                return candidate;
            }
        }
    }
    return nullptr;
}

void FieldSettingsTest::tap(const platform::ui::View& view)
{
    window->layoutIfNeeded();
    fingers->tap(view);
}

void FieldSettingsTest::retype(const platform::ui::View& input, const std::string& text)
{
    tap(input);
    fingers->deleteBackward(200);
    fingers->typeText(text);
}

void FieldSettingsTest::settle(double seconds)
{
    platform::RunLoop::main().advance(seconds);
    window->layoutIfNeeded();
}

} // namespace designer_screens_testing
