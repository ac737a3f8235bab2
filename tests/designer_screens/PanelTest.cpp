#include "PanelTest.h"

#include "ceremony_screens/TestPdf.h"

#include "DataManager/ZKTransactionManager.h"
#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "ceremony/screens/ZKStoryboardUniversal.h"
#include "designer/screens/ZKCurrentSignerTableViewCell.h"
#include "designer/screens/ZKPrepareFormFieldScene.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "designer/screens/ZKSignatureFieldTableViewCell.h"
#include "designer/screens/ZKSignatureFieldsTableViewCell.h"
#include "designer/screens/ZKSignerTableViewCell.h"
#include "designer/screens/ZKSignersTableViewCell.h"
#include "fields/ZKElementView.h"
#include "foundation/RunLoop.h"
#include "model/ZKDocument.h"
#include "model/ZKTransaction.h"
#include "store/ZKFileManager.h"
#include "store/ZKTransactionMapper.h"
#include "ui/Screen.h"

#include <algorithm>
#include <filesystem>

namespace panel_testing {

void PanelTest::SetUp()
{
    StoreTest::SetUp();
    ZKStoryboardUniversal::named();
    ZKPrepareFormFieldScene::registerScenes();
    platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phone);
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::portrait);

    transaction = std::get<std::shared_ptr<ZKTransaction>>(
        ZKTransactionMapper::transactionFromDictionary(store_testing::sampleTransaction("trx", 1, 0, 3), *manager));
    EXPECT_FALSE(manager->save().has_value());
    const std::filesystem::path folder = ZKFileManager::folderPathForTransactionWithGUID("trx");
    std::filesystem::create_directories(folder);
    hub_testing::writeBandedPdf(folder / "doc0.pdf", 2);
    ZKTransactionManager::sharedInstance()->setTransaction(transaction);

    root = std::make_shared<platform::ui::ViewController>();
    window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    fingers = std::make_unique<platform::ui::TouchInjector>(window);
}

void PanelTest::showHub()
{
    ZKCTouchManager::sharedInstance()->showTransactionOnViewController(transaction, root);
    settle();
}

std::shared_ptr<ZKMainViewController> PanelTest::hub() const
{
    return ZKCTouchManager::sharedInstance()->mainVController();
}

std::shared_ptr<ZKPrepareFormFieldViewController> PanelTest::panel() const
{
    return std::dynamic_pointer_cast<ZKPrepareFormFieldViewController>(hub()->formFieldVC());
}

void PanelTest::settle(double seconds)
{
    platform::RunLoop::main().advance(seconds);
}

double PanelTest::bodyX() const
{
    return panel()->fieldsView.lock()->frame().minX();
}

double PanelTest::tabX() const
{
    return panel()->tableRevealView.lock()->frame().minX();
}

std::shared_ptr<ZKCurrentSignerTableViewCell> PanelTest::currentSignerRow() const
{
    return std::dynamic_pointer_cast<ZKCurrentSignerTableViewCell>(panel()->fieldsTableView()->cellForRow({0, 0}));
}

std::shared_ptr<ZKSignerTableViewCell> PanelTest::signerRow(int index) const
{
    const auto list = std::dynamic_pointer_cast<ZKSignersTableViewCell>(panel()->fieldsTableView()->cellForRow({0, 1}));
    return list ? std::dynamic_pointer_cast<ZKSignerTableViewCell>(list->signersTableView.lock()->cellForRow({0, index}))
                : nullptr;
}

std::shared_ptr<ZKSignatureFieldTableViewCell> PanelTest::paletteRow(int index) const
{
    const auto list =
        std::dynamic_pointer_cast<ZKSignatureFieldsTableViewCell>(panel()->fieldsTableView()->cellForRow({0, 2}));
    return list ? std::dynamic_pointer_cast<ZKSignatureFieldTableViewCell>(
                      list->signatureFieldsTableView.lock()->cellForRow({0, index}))
                : nullptr;
}

bool PanelTest::isUsable(int paletteIndex) const
{
    const auto row = paletteRow(paletteIndex);
    return row->cellButton.lock()->isUserInteractionEnabled() && row->cellContentView.lock()->alpha() == 1;
}

double PanelTest::rowHeight(int row) const
{
    return panel()->fieldsTableView()->rectForRow({0, row}).height();
}

void PanelTest::tapRowAt(const platform::ui::View& row, const platform::ui::View& iconColumnPart)
{
    const bool maximized = panel()->tableSizeState() == ZKPrepareFormFieldViewController::maximized;
    fingers->tap(fingers->centerOf(maximized ? row : iconColumnPart));
}

void PanelTest::tapPaletteItem(int index)
{
    const auto row = paletteRow(index);
    tapRowAt(*row, *row->rightSignatureFieldIcon.lock());
}

void PanelTest::tapSigner(int index)
{
    const auto row = signerRow(index);
    tapRowAt(*row, *row->signerCredentials.lock());
}

void PanelTest::tapCurrentSigner()
{
    const auto row = currentSignerRow();
    tapRowAt(*row, *row->signerInitialsLabel.lock());
}

std::vector<std::shared_ptr<ZKElement>> PanelTest::elements() const
{
    return transaction->documents()[0]->elements();
}

std::shared_ptr<ZKElementView> PanelTest::viewOf(const std::shared_ptr<ZKElement>& element) const
{
    const auto views = hub()->pdfViewController()->elementViews();
    const auto found =
        std::find_if(views.begin(), views.end(), [&](const auto& view) { return view->element() == element; });
    return found == views.end() ? nullptr : *found;
}

} // namespace panel_testing
