#include "ui/AlertController.h"

#include "ui/Screen.h"

#include <algorithm>
#include <vector>

namespace platform::ui {

namespace {

constexpr double boxWidth = 270;
constexpr double buttonHeight = 44;
constexpr double textHeight = 24;

} // namespace

AlertController::AlertController(std::optional<std::string> title, std::optional<std::string> message,
                                 AlertStyle style)
    : title_(std::move(title))
    , message_(std::move(message))
    , style_(style)
{
    setModalPresentationStyle(ModalPresentationStyle::overFullScreen);
}

void AlertController::addAction(AlertAction action)
{
    actions_.push_back(std::move(action));
}

std::shared_ptr<Button> AlertController::buttonForAction(const std::string& title)
{
    view();
    for (std::size_t index = 0; index < actions_.size() && index < buttons_.size(); ++index) {
        if (actions_[index].title == title) {
            return buttons_[index];
        }
    }
    return nullptr;
}

void AlertController::tapAction(std::size_t index)
{
    if (index >= actions_.size()) {
        return;
    }
    const auto handler = actions_[index].handler;
    dismiss(false);
    if (handler) {
        handler();
    }
}

void AlertController::loadView()
{
    const Rect screen = Screen::main().bounds();
    auto root = std::make_shared<View>(screen);
    root->setBackgroundColor(Color::black().withAlpha(0.4));
    // Title and message wrap onto as many lines as they need, as a person must read them.
    std::vector<std::shared_ptr<Label>> labels;
    const std::pair<const std::optional<std::string>*, Font> texts[] = {{&title_, Font::boldSystemFont(17)},
                                                                          {&message_, Font::systemFont(13)}};
    double y = 10;
    for (const auto& [text, font] : texts) {
        auto label = std::make_shared<Label>();
        label->setText(*text);
        label->setFont(font);
        label->setTextAlignment(TextAlignment::center);
        label->setNumberOfLines(0);
        const double height = std::max(textHeight, label->sizeThatFits({boxWidth - 24, 10000}).height);
        label->setFrame(graphics::makeRect(12, y, boxWidth - 24, height));
        labels.push_back(label);
        y += height;
    }
    const double boxHeight = y + 10 + buttonHeight * static_cast<double>(actions_.size());
    auto box = std::make_shared<View>(graphics::makeRect(0, 0, boxWidth, boxHeight));
    box->setCenter({screen.midX(), screen.midY()});
    box->setBackgroundColor(Color::fromWhite(0.97));
    box->layer().setCornerRadius(13);
    box->setClipsToBounds(true);
    root->addSubview(box);
    for (const auto& label : labels) {
        box->addSubview(label);
    }
    y += 10;
    buttons_.clear();
    for (std::size_t index = 0; index < actions_.size(); ++index) {
        auto button = std::make_shared<Button>(graphics::makeRect(0, y, boxWidth, buttonHeight));
        button->setTitle(actions_[index].title);
        if (actions_[index].style == AlertActionStyle::destructive) {
            button->setTitleColor(Color::systemRed());
        }
        button->layer().setBorderWidth(0.5);
        button->layer().setBorderColor(Color::systemGray4());
        button->addAction(ControlEvent::touchUpInside, [this, index](Control&) { tapAction(index); });
        box->addSubview(button);
        buttons_.push_back(button);
        y += buttonHeight;
    }
    box_ = box;
    setView(root);
}

void AlertController::viewDidLayoutSubviews()
{
    const Rect area = view()->bounds();
    box_->setCenter({area.midX(), area.midY()});
}

} // namespace platform::ui
