#include "model/ZKDocument.h"

#include "foundation/Text.h"

#include "model/ZKElement.h"

#include <algorithm>

std::shared_ptr<ZKDocument> ZKDocument::insertNew()
{
    auto document = std::make_shared<ZKDocument>();
    insertInStoreManager(document);
    return document;
}

void ZKDocument::setName(std::string_view value)
{
    assign(name_, platform::text::removingNulAndBidiControls(value));
}

void ZKDocument::addElement(const std::shared_ptr<ZKElement>& element)
{
    if (const auto previous = element->document()) {
        previous->detachElement(element.get());
    }
    element->setDocument(std::static_pointer_cast<ZKDocument>(shared_from_this()));
    elements_.push_back(element);
}

void ZKDocument::removeElement(const std::shared_ptr<ZKElement>& elementToRemove)
{
    // A copy: the argument may be the list entry that is erased.
    const auto element = elementToRemove;
    detachElement(element.get());
    if (const auto owner = store()) {
        owner->deleteObject(element);
    }
}

void ZKDocument::setTransaction(const std::shared_ptr<ZKTransaction>& transaction)
{
    if (transaction_.lock() == transaction) {
        return;
    }
    transaction_ = transaction;
    didChange();
}

void ZKDocument::detachElement(const ZKElement* element)
{
    std::erase_if(elements_, [element](const auto& candidate) { return candidate.get() == element; });
}
