#include "HubTest.h"
#include "TestPdf.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "ceremony/screens/ZKStoryboardUniversal.h"
#include "fields/ZKElementView.h"
#include "foundation/RunLoop.h"
#include "model/ZKDocument.h"
#include "model/ZKTransaction.h"
#include "store/ZKFileManager.h"
#include "store/ZKTransactionMapper.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/Storyboard.h"

#include <algorithm>
#include <filesystem>

namespace hub_testing {

namespace {

// Lets every touch reach the views beneath, as the real panel does outside its body.
class PassThroughView : public platform::ui::View {
public:
    std::shared_ptr<platform::ui::View> hitTest(const platform::graphics::Point&) override { return nullptr; }
};

} // namespace

void FakePanel::disablePanelAnimated(bool animated)
{
    calls.push_back(animated ? "disablePanelAnimated:YES" : "disablePanelAnimated:NO");
}

void FakePanel::minimizePanelWithCompletionHandler(CompletionHandler handler)
{
    calls.push_back(handler ? "minimizePanel with handler" : "minimizePanel");
}

void FakePanel::disableFormFields(bool disable)
{
    calls.push_back(disable ? "disableFormFields:YES" : "disableFormFields:NO");
}

int FakePanel::numberOfRows(platform::ui::TableView&, int)
{
    return static_cast<int>(participants.size());
}

platform::ui::TableViewCellPtr FakePanel::cellForRow(platform::ui::TableView&, const platform::ui::IndexPath&)
{
    return std::make_shared<platform::ui::TableViewCell>();
}

void FakePanel::loadView()
{
    setView(std::make_shared<PassThroughView>());
    table->setDataSource(std::dynamic_pointer_cast<platform::ui::TableViewDataSource>(shared_from_this()));
    view()->addSubview(table);
}

void defineTestStoryboard(platform::ui::Storyboard& storyboard)
{
    ZKStoryboardUniversal::define(storyboard);
    storyboard.addScene(ZKStoryboardUniversal::panelScene, [] { return std::make_shared<FakePanel>(); });
    for (const auto& segue : ZKStoryboardUniversal::settingsSegues) {
        if (std::string(segue.identifier) == ZKStoryboardUniversal::radioSettingsSegue) {
            storyboard.addScene(segue.destinationScene, [] {
                return std::make_shared<platform::ui::NavigationController>(std::make_shared<FakeSettingsScreen>());
            });
        } else {
            storyboard.addScene(segue.destinationScene, [] { return std::make_shared<FakeSettingsScreen>(); });
        }
        storyboard.addUnwindSegue(segue.destinationScene, "unwindToHub", ZKStoryboardUniversal::unwindAction);
    }
}

void HubTest::SetUp()
{
    StoreTest::SetUp();
    // The storyboard registers its own definition on first use; the test's replaces it.
    ZKStoryboardUniversal::named();
    platform::ui::Storyboard::registerDefinition(ZKStoryboardUniversal::name, defineTestStoryboard);
    platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phone);
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::portrait);

    auto dictionary = store_testing::sampleTransaction("trx", 2, 0, 2);
    transaction = std::get<std::shared_ptr<ZKTransaction>>(
        ZKTransactionMapper::transactionFromDictionary(dictionary, *manager));
    EXPECT_FALSE(manager->save().has_value());
    const std::filesystem::path folder = ZKFileManager::folderPathForTransactionWithGUID("trx");
    std::filesystem::create_directories(folder);
    writeBandedPdf(folder / "doc0.pdf", 2);
    writeBandedPdf(folder / "doc1.pdf", 1);

    root = std::make_shared<platform::ui::ViewController>();
    window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(root);
    window->makeKeyAndVisible();
}

void HubTest::TearDown()
{
    platform::ui::Storyboard::registerDefinition(ZKStoryboardUniversal::name, ZKStoryboardUniversal::define);
    StoreTest::TearDown();
}

void HubTest::showHub()
{
    ZKCTouchManager::sharedInstance()->showTransactionOnViewController(transaction, root);
    settle();
}

std::shared_ptr<ZKMainViewController> HubTest::hub() const
{
    return ZKCTouchManager::sharedInstance()->mainVController();
}

std::shared_ptr<ZKPDFViewController> HubTest::viewer() const
{
    return hub()->pdfViewController();
}

std::shared_ptr<FakePanel> HubTest::panel() const
{
    return std::dynamic_pointer_cast<FakePanel>(hub()->formFieldVC());
}

std::shared_ptr<ZKPrepareFormField> HubTest::item(const std::string& type, bool primary)
{
    auto field = ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill("4", type, type, std::nullopt);
    field->setIsPrimaryFieldType(primary);
    return field;
}

std::shared_ptr<ZKElement> HubTest::tap(const std::shared_ptr<ZKPrepareFormField>& field)
{
    const auto& elements = transaction->documents()[static_cast<std::size_t>(hub()->documentIndex())]->elements();
    const auto before = elements.size();
    panel()->delegate()->userDidTapOnFormFieldViewToConvertLocationFrom(field, panel()->view());
    return elements.size() > before ? elements.back() : nullptr;
}

std::shared_ptr<ZKElementView> HubTest::viewOf(const std::shared_ptr<ZKElement>& element) const
{
    const auto views = viewer()->elementViews();
    const auto found =
        std::find_if(views.begin(), views.end(), [&](const auto& view) { return view->element() == element; });
    return found == views.end() ? nullptr : *found;
}

std::vector<std::shared_ptr<ZKElement>> HubTest::storedElements(std::size_t documentIndex) const
{
    const auto stored = openStore()->transactionWithGuid("trx");
    return stored->documents()[documentIndex]->elements();
}

void HubTest::settle()
{
    platform::RunLoop::main().advance(1);
}

} // namespace hub_testing
