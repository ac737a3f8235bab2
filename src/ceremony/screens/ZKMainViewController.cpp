#include "ceremony/screens/ZKMainViewController.h"

#include "model/ZKTransaction.h"
#include "ui/Label.h"

namespace {

constexpr double kTopBarHeight = 56;

} // namespace

void ZKMainViewController::setTransaction(const std::shared_ptr<ZKTransaction>& transaction)
{
    transaction_ = transaction;
    if (isViewLoaded()) {
        showTitle();
    }
}

void ZKMainViewController::viewDidLoad()
{
    view()->setBackgroundColor(platform::graphics::Color::white());
    titleLabel_ = std::make_shared<platform::ui::Label>();
    titleLabel_->setTextAlignment(platform::graphics::TextAlignment::center);
    view()->addSubview(titleLabel_);
    showTitle();
}

void ZKMainViewController::viewDidLayoutSubviews()
{
    const auto& bounds = view()->bounds();
    titleLabel_->setFrame(platform::graphics::makeRect(0, 0, bounds.size.width, kTopBarHeight));
}

void ZKMainViewController::showTitle()
{
    titleLabel_->setText(transaction_ ? std::optional<std::string>(transaction_->name()) : std::nullopt);
}
