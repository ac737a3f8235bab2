#include "fields/ZKRadio.h"

#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"

#include <algorithm>
#include <functional>

namespace {

std::optional<std::string> groupOf(const ZKElement& element)
{
    return element.validation() ? element.validation()->groupName() : std::nullopt;
}

} // namespace

ZKRadio::ZKRadio(std::shared_ptr<ZKElement> element)
    : ZKElementView(element), radioDisplayView_(std::make_shared<ZKRadioDisplayView>(element))
{
    setDisplayView(radioDisplayView_);
}

void ZKRadio::updateDisplay()
{
    radioDisplayView_->updateAppearance();
}

void ZKRadio::uncheckOtherRadiosFromGroup()
{
    const auto& self = element();
    const auto document = self ? self->document() : nullptr;
    if (!document) {
        return;
    }
    const auto group = groupOf(*self);
    std::vector<std::shared_ptr<ZKElement>> unchecked;
    for (const auto& other : document->elements()) {
        if (other == self || other->type() != "Radio" || other->approval() != self->approval()) {
            continue;
        }
        if (group && groupOf(*other) != group) {
            continue;
        }
        other->updateContent("");
        other->saveUpdates();
        unchecked.push_back(other);
    }
    redrawRadiosOf(unchecked);
}

void ZKRadio::redrawRadiosOf(const std::vector<std::shared_ptr<ZKElement>>& elements)
{
    if (elements.empty()) {
        return;
    }
    View* root = this;
    while (root->superviewPointer()) {
        root = root->superviewPointer();
    }
    const std::function<void(View&)> visit = [&](View& view) {
        if (auto* radio = dynamic_cast<ZKRadio*>(&view);
            radio && std::find(elements.begin(), elements.end(), radio->element()) != elements.end()) {
            radio->radioDisplayView()->updateAppearance();
        }
        for (const auto& child : view.subviews()) {
            visit(*child);
        }
    };
    visit(*root);
}
