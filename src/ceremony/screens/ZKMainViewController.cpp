#include "ceremony/screens/ZKMainViewController.h"

#include "ceremony/CeremonyFlow.h"
#include "ceremony/SigningFlowRoleUpdate.h"
#include "ceremony/screens/ZKFieldSettingsScreen.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "ceremony/screens/ZKPrepareFormFieldPanel.h"
#include "ceremony/screens/ZKStoryboardUniversal.h"
#include "foundation/NotificationCenter.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "ui/NavigationController.h"
#include "ui/StoryboardSegue.h"
#include "ui/TableView.h"

#include <algorithm>
#include <string>

using platform::graphics::Color;
using platform::graphics::makeRect;

namespace {

constexpr double titleMargin = 12;

} // namespace

void ZKMainViewController::setTransaction(const std::shared_ptr<ZKTransaction>& transaction)
{
    if (transaction != transaction_) {
        documentIndex_ = 0;
        currentSignerIndex_ = 0;
    }
    transaction_ = transaction;
    if (isViewLoaded()) {
        reloadTransaction();
    }
}

void ZKMainViewController::setDocumentIndex(int index)
{
    const int count = transaction_ ? static_cast<int>(transaction_->documents().size()) : 0;
    if (index == documentIndex_ || index < 0 || index >= count) {
        return;
    }
    documentIndex_ = index;
    if (formFieldVC_) {
        formFieldVC_->disableFormFields(true);
    }
    if (pdfViewController_) {
        pdfViewController_->showDocumentOfTransaction(transaction_, documentIndex_);
    }
}

std::shared_ptr<ZKParticipant> ZKMainViewController::currentSigner() const
{
    const auto signers = participants();
    if (currentSignerIndex_ < 0 || currentSignerIndex_ >= static_cast<int>(signers.size())) {
        return nullptr;
    }
    return signers[static_cast<std::size_t>(currentSignerIndex_)];
}

std::vector<std::shared_ptr<ZKParticipant>> ZKMainViewController::participants() const
{
    if (!transaction_) {
        return {};
    }
    return transaction_->draft() ? transaction_->editTransactionParticipants()
                                 : CeremonyFlow::sharedInstance()->displayRolesList();
}

void ZKMainViewController::viewDidLoad()
{
    view()->setBackgroundColor(Color::white());
    pdfViewController_ = std::make_shared<ZKPDFViewController>();
    pdfViewController_->setMainViewController(std::static_pointer_cast<ZKMainViewController>(shared_from_this()));
    addChild(pdfViewController_);
    view()->addSubview(pdfViewController_->view());
    topBar_ = std::make_shared<platform::ui::View>();
    topBar_->setBackgroundColor(Color::fromWhite(0.16));
    titleLabel_ = std::make_shared<platform::ui::Label>();
    titleLabel_->setFont(platform::graphics::Font::boldSystemFont(17));
    titleLabel_->setTextColor(Color::white());
    titleLabel_->setTextAlignment(platform::graphics::TextAlignment::center);
    topBar_->addSubview(titleLabel_);
    view()->addSubview(topBar_);
    registerUnwindAction(ZKStoryboardUniversal::unwindAction, [weak = weak_from_this()](auto& segue) {
        if (const auto self = std::static_pointer_cast<ZKMainViewController>(weak.lock())) {
            self->unwindToMainViewControllerWithSegue(segue);
        }
    });
    platform::NotificationCenter::defaultCenter().addObserver(
        shared_from_this(), SigningFlowRoleUpdate::name, nullptr, [weak = weak_from_this()](const auto& notification) {
            if (const auto self = std::static_pointer_cast<ZKMainViewController>(weak.lock())) {
                self->followRoleUpdate(notification);
            }
        });
    // Without the designer's scene in the storyboard the hub goes without a panel.
    performSegue(ZKStoryboardUniversal::embedPanelSegue, nullptr);
    // The panel has just been fed and places itself as it loads.
    showTransaction();
}

void ZKMainViewController::viewDidLayoutSubviews()
{
    const auto& bounds = view()->bounds();
    const auto safeArea = view()->safeAreaInsets();
    // The bar is made for a plain status bar; a taller one (a notch's row) lengthens it.
    const double barHeight = topBarHeight + std::max(0.0, safeArea.top - plainStatusBarHeight);
    topBar_->setFrame(makeRect(0, 0, bounds.width(), barHeight));
    titleLabel_->setFrame(makeRect(titleMargin + safeArea.left, safeArea.top,
                                   bounds.width() - 2 * titleMargin - safeArea.left - safeArea.right,
                                   barHeight - safeArea.top));
    const auto below = makeRect(0, barHeight, bounds.width(), std::max(0.0, bounds.height() - barHeight));
    pdfViewController_->view()->setFrame(below);
    if (panelController_) {
        panelController_->view()->setFrame(below);
        view()->bringSubviewToFront(*panelController_->view());
    }
}

void ZKMainViewController::prepareForSegue(platform::ui::StoryboardSegue& segue, const std::shared_ptr<void>&)
{
    if (segue.identifier() == ZKStoryboardUniversal::embedPanelSegue) {
        embedPanel(*segue.destination());
        return;
    }
    handOverActiveElementView(segue);
}

void ZKMainViewController::unwindToMainViewControllerWithSegue(platform::ui::StoryboardSegue&)
{
}

void ZKMainViewController::embedPanel(platform::ui::ViewController& panel)
{
    formFieldVC_ = std::dynamic_pointer_cast<ZKPrepareFormFieldPanel>(panel.shared_from_this());
    if (!formFieldVC_) {
        return;
    }
    panelController_ = panel.shared_from_this();
    const bool draft = transaction_ && transaction_->draft();
    panelDesignsDraft_ = draft;
    formFieldVC_->setDelegate(pdfViewController_);
    // The designer rests minimised over the page's left edge; the page starts beside it.
    pdfViewController_->setLeftInset(draft ? ZKPrepareFormFieldPanel::minimizedWidth : 0);
    formFieldVC_->setIsSignerOnlyMode(!draft);
    formFieldVC_->setParticipants(participants());
}

void ZKMainViewController::handOverActiveElementView(const platform::ui::StoryboardSegue& segue) const
{
    const auto& segues = ZKStoryboardUniversal::settingsSegues;
    const bool settings = std::any_of(segues.begin(), segues.end(),
                                      [&](const auto& candidate) { return segue.identifier() == candidate.identifier; });
    if (!settings) {
        return;
    }
    auto destination = segue.destination();
    if (const auto navigation = std::dynamic_pointer_cast<platform::ui::NavigationController>(destination)) {
        destination = navigation->topViewController();
    }
    if (const auto screen = std::dynamic_pointer_cast<ZKFieldSettingsScreen>(destination)) {
        screen->setElementView(activeElementView_);
    }
}

void ZKMainViewController::showTransaction()
{
    titleLabel_->setText(transaction_ ? std::optional<std::string>(transaction_->name()) : std::nullopt);
    pdfViewController_->showDocumentOfTransaction(transaction_, documentIndex_);
}

void ZKMainViewController::reloadTransaction()
{
    showTransaction();
    if (!formFieldVC_ || !transaction_ || transaction_->draft()) {
        return;
    }
    const auto roles = participants();
    formFieldVC_->setParticipants(roles);
    if (const auto table = formFieldVC_->fieldsTableView()) {
        table->reloadData();
    }
    if (roles.size() < 2) {
        formFieldVC_->disablePanelAnimated(true);
    } else {
        formFieldVC_->minimizePanelWithCompletionHandler(nullptr);
    }
}

void ZKMainViewController::followRoleUpdate(const platform::Notification& notification)
{
    const auto& info = notification.userInfo;
    const auto switchId = info.is_object() ? info.find(SigningFlowRoleUpdate::switchIdKey) : info.end();
    // Anyone may post the name; a user info of another shape switches nothing.
    if (switchId == info.end() || !switchId->is_string() ||
        (*switchId != SigningFlowRoleUpdate::manuallySwitched && *switchId != SigningFlowRoleUpdate::autoSwitched)) {
        return;
    }
    if (!panelDesignsDraft_ || !formFieldVC_ || !transaction_ || transaction_->draft()) {
        return;
    }
    const auto role = CeremonyFlow::sharedInstance()->currentRole();
    if (role && role->isOwner()) {
        panelDesignsDraft_ = false;
        formFieldVC_->setIsSignerOnlyMode(true);
    }
}
