#include "model/ZKElement.h"

#include "foundation/Text.h"
#include "foundation/Uuid.h"
#include "model/ZKDocument.h"
#include "model/ZKFieldSettings.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"

#include <algorithm>
#include <memory>

namespace {

// The element's validation, made and attached (not saved) when it has none.
ZKValidation& validationOf(ZKElement& element)
{
    if (!element.validation()) {
        auto validation = std::make_shared<ZKValidation>();
        if (const auto owner = element.store()) {
            owner->insertObject(validation);
        }
        element.setValidation(validation);
    }
    return *element.validation();
}

// The settings of the service for this kind of field: its required flag where the
// settings give one, and a non-empty default pattern.
void applyDesignerSettings(ZKElement& element)
{
    auto& settings = ZKFieldSettings::installed();
    if (const auto required = settings.isRequiredForNewElement(element.type(), element.autofill())) {
        validationOf(element).setRequired(*required);
    }
    const auto pattern = settings.defaultPatternForNewElement(element.type(), element.autofill());
    if (pattern && !pattern->empty()) {
        validationOf(element).setPattern(*pattern);
    }
}

} // namespace

std::shared_ptr<ZKElement> ZKElement::insertNew()
{
    auto element = std::make_shared<ZKElement>();
    insertInStoreManager(element);
    return element;
}

std::shared_ptr<ZKElement> ZKElement::createElementFromTypeForApprovalForRolesWithAutofillValueWithFrameInDocumentIndexAndPageNumberForTransaction(
    const std::string& type, const std::optional<std::string>& approval, const std::vector<std::string>& roles,
    const std::optional<std::string>& autofillValue, const platform::graphics::Rect& frame, int documentIndex,
    int pageNumber, const std::shared_ptr<ZKTransaction>& transaction)
{
    if (!transaction || documentIndex < 0 || documentIndex >= static_cast<int>(transaction->documents().size())) {
        return nullptr;
    }
    auto element = std::make_shared<ZKElement>();
    if (const auto owner = transaction->store()) {
        owner->insertObject(element);
    }
    element->setIdent(platform::makeUuidString());
    element->setType(type);
    element->setApproval(approval);
    element->setRoles(roles);
    element->setAutofill(autofillValue);
    element->setFrame(frame);
    element->setPage(pageNumber);
    transaction->documents()[static_cast<std::size_t>(documentIndex)]->addElement(element);
    applyDesignerSettings(*element);
    return element;
}

std::vector<std::string> ZKElement::radioButtonGroupNamesForSignatureWithIdentForDocumentWithIdent(
    const std::string& approvalIdent, const std::string& documentIdent)
{
    const auto manager = storeManager();
    if (!manager) {
        return {};
    }
    auto names = manager->radioGroupNames(approvalIdent, documentIdent);
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return platform::text::localizedCaseInsensitiveCompare(a, b) < 0;
    });
    return names;
}

std::shared_ptr<ZKTransaction> ZKElement::transaction() const
{
    const auto owner = document();
    return owner ? owner->transaction() : nullptr;
}

void ZKElement::setValidation(const std::shared_ptr<ZKValidation>& validation)
{
    if (validation_ == validation) {
        return;
    }
    if (validation_) {
        if (const auto owner = store()) {
            owner->deleteObject(validation_);
        }
    }
    validation_ = validation;
    if (validation) {
        validation->setElement(std::static_pointer_cast<ZKElement>(shared_from_this()));
    }
}

void ZKElement::updateContent(const std::string& content)
{
    setContent(content);
    if (const auto owner = transaction()) {
        owner->setLocal();
    }
}

void ZKElement::initializeValidationIfNeeded()
{
    if (validation_) {
        return;
    }
    validationOf(*this);
    saveUpdates();
}

void ZKElement::setDocument(const std::shared_ptr<ZKDocument>& document)
{
    if (document_.lock() == document) {
        return;
    }
    document_ = document;
    didChange();
}
