#include "composer/screens/CreateTransactionUtil.h"

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "foundation/RunLoop.h"
#include "foundation/Text.h"
#include "sdk/VTDocument.h"
#include "sdk/VTFacadeServices.h"
#include "sdk/VTTransaction.h"
#include "support/ZKScreen.h"
#include "ui/Animator.h"
#include "ui/NavigationController.h"
#include "ui/Storyboard.h"
#include "ui/View.h"

using platform::ui::AnimationOption;
using platform::ui::Animator;

std::pair<std::shared_ptr<platform::ui::NavigationController>, std::shared_ptr<CreateTransactionAddDocsAndSignersPage>>
CreateTransactionUtil::getController()
{
    const auto storyboard = CreateTransactionStoryboard::named();
    const auto root = VTFacadeServices::installed().rootViewController();
    if (!storyboard || !root) {
        return {};
    }
    auto page = std::dynamic_pointer_cast<CreateTransactionAddDocsAndSignersPage>(
        storyboard->instantiateViewController(CreateTransactionStoryboard::mainPageScene));
    if (!page) {
        return {};
    }
    return {root->navigationController(), std::move(page)};
}

bool CreateTransactionUtil::show(const Priming& prime, bool canAddDocuments, bool canDeleteDocuments,
                                 bool canReorderDocuments, const PageDelegate& createTransactionPageDelegate)
{
    const auto [navigation, page] = getController();
    if (!page) {
        return false;
    }
    prime();
    page->canAddDocuments = canAddDocuments;
    page->canDeleteDocuments = canDeleteDocuments;
    page->canReorderDocuments = canReorderDocuments;
    page->setDelegate(createTransactionPageDelegate);
    if (navigation) {
        navigation->pushViewController(page, true);
    } else {
        VTFacadeServices::installed().rootViewController()->present(page, true, [] {});
    }
    return true;
}

bool CreateTransactionUtil::startEditingTransaction(const std::optional<std::string>& guid, bool canAddDocuments,
                                                    bool canDeleteDocuments, bool canReorderDocuments,
                                                    const PageDelegate& createTransactionPageDelegate)
{
    return show([&] { VLTNewTransactionViewModel::sharedInstance()->setTransactionGUID(guid); }, canAddDocuments,
                canDeleteDocuments, canReorderDocuments, createTransactionPageDelegate);
}

bool CreateTransactionUtil::createAndStartEditTransaction(
    const std::optional<std::vector<std::shared_ptr<VTDocument>>>& documents, bool canAddDocuments,
    bool canDeleteDocuments, bool canReorderDocuments, const PageDelegate& createTransactionPageDelegate)
{
    if (!documents) {
        return false;
    }
    const auto prime = [&] {
        auto transaction = std::make_shared<VTTransaction>();
        for (const auto& document : *documents) {
            transaction->addDocument(document);
        }
        VLTNewTransactionViewModel::sharedInstance()->setTransaction(transaction);
    };
    return show(prime, canAddDocuments, canDeleteDocuments, canReorderDocuments, createTransactionPageDelegate);
}

bool CreateTransactionUtil::createAndStartEdit(const std::shared_ptr<VTTransaction>& transaction, bool canAddDocuments,
                                               bool canDeleteDocuments, bool canReorderDocuments,
                                               const PageDelegate& createTransactionPageDelegate)
{
    return show([&] { VLTNewTransactionViewModel::sharedInstance()->setTransaction(transaction); }, canAddDocuments,
                canDeleteDocuments, canReorderDocuments, createTransactionPageDelegate);
}

void CreateTransactionUtil::animateShakeWithDurationForView(platform::ui::View& view, double duration,
                                                            double movementAmount, const Completion& completion)
{
    const double startX = view.center().x;
    const auto moveTo = [&view](double x) {
        return [&view, x] { view.setCenter({x, view.center().y}); };
    };
    Animator::animateKeyframes(
        duration, 0, AnimationOption::allowUserInteraction,
        [&] {
            Animator::addKeyframe(0.0, 0.1, moveTo(startX + movementAmount / 2));
            Animator::addKeyframe(0.1, 0.2, moveTo(startX - movementAmount / 2));
            Animator::addKeyframe(0.3, 0.2, moveTo(startX + movementAmount / 2));
            Animator::addKeyframe(0.5, 0.2, moveTo(startX - movementAmount / 2));
            Animator::addKeyframe(0.7, 0.2, moveTo(startX + movementAmount / 2));
            Animator::addKeyframe(0.9, 0.1, moveTo(startX));
        },
        [completion](bool finished) {
            if (finished && completion) {
                completion(finished);
            }
        });
}

void CreateTransactionUtil::animatePopWithDurationForView(platform::ui::View& view, double duration, bool buildIn,
                                                          const Completion& completion)
{
    using platform::graphics::AffineTransform;
    if (buildIn) {
        view.setTransform(AffineTransform::scale(0, 0));
    }
    view.setHidden(false);
    const auto scaleTo = [&view](double scale) {
        return [&view, scale] { view.setTransform(AffineTransform::scale(scale, scale)); };
    };
    Animator::animateKeyframes(
        duration, 0, AnimationOption::allowUserInteraction,
        [&] {
            Animator::addKeyframe(0.0, 0.25, scaleTo(1.15));
            Animator::addKeyframe(0.25, 0.25, scaleTo(0.9));
            Animator::addKeyframe(0.5, 0.25, scaleTo(1.1));
            Animator::addKeyframe(0.75, 0.25, [&view] { view.setTransform(AffineTransform::identity()); });
        },
        completion);
}

bool CreateTransactionUtil::stringIsEmpty(const std::string& string)
{
    return platform::text::trimWhitespace(string).empty();
}

void CreateTransactionUtil::runBlockafterDelay(double delay, const std::function<void()>& block)
{
    platform::RunLoop::main().dispatchAfter(delay, block);
}

double CreateTransactionUtil::keyboardHeightFromNotification(const platform::Notification& notification)
{
    return ZKScreen::keyboardHeightFromNotification(notification);
}
