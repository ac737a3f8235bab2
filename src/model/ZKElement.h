#pragma once

#include "graphics/Geometry.h"
#include "model/VeltManagedObject.h"

#include <optional>
#include <string>
#include <vector>

class ZKDocument;
class ZKTransaction;
class ZKValidation;

// One form field or signature approval placed on a page of a document.
class ZKElement : public VeltManagedObject {
public:
    ZKElement() = default;
    Entity entity() const override { return Entity::Element; }

    static std::shared_ptr<ZKElement> insertNew();

    // A new element of `type` on page `pageNumber` of the transaction's document at
    // `documentIndex` (nullptr when there is no such document), with a fresh ident, the
    // approval and roles given, and the designer settings for its kind applied to its
    // validation.
    static std::shared_ptr<ZKElement> createElementFromTypeForApprovalForRolesWithAutofillValueWithFrameInDocumentIndexAndPageNumberForTransaction(
        const std::string& type, const std::optional<std::string>& approval, const std::vector<std::string>& roles,
        const std::optional<std::string>& autofillValue, const platform::graphics::Rect& frame, int documentIndex,
        int pageNumber, const std::shared_ptr<ZKTransaction>& transaction);

    // The distinct radio groups of an approval in a document, sorted with a localised
    // case-insensitive comparison.
    static std::vector<std::string> radioButtonGroupNamesForSignatureWithIdentForDocumentWithIdent(
        const std::string& approvalIdent, const std::string& documentIdent);

    const std::string& ident() const { return ident_; }
    void setIdent(std::string value) { assign(ident_, std::move(value)); }
    const std::string& name() const { return name_; }
    void setName(std::string value) { assign(name_, std::move(value)); }
    // "SIGNATURE", "TextBox", "TextArea", "CheckBox", "Radio", "List", "label",
    // "dateEntryField" ...
    const std::string& type() const { return type_; }
    void setType(std::string value) { assign(type_, std::move(value)); }
    const std::optional<std::string>& autofill() const { return autofill_; }
    void setAutofill(std::optional<std::string> value) { assign(autofill_, std::move(value)); }
    const std::string& content() const { return content_; }
    void setContent(std::string value) { assign(content_, std::move(value)); }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool value) { assign(readOnly_, value); }
    // Ident of the signature approval the field belongs to (the approval's own ident for
    // a signature); empty when none.
    const std::optional<std::string>& approval() const { return approval_; }
    void setApproval(std::optional<std::string> value) { assign(approval_, std::move(value)); }
    // Page number as the caller counts it, and the place on the page in page points.
    int page() const { return page_; }
    void setPage(int value) { assign(page_, value); }
    const platform::graphics::Rect& frame() const { return frame_; }
    void setFrame(const platform::graphics::Rect& value) { assign(frame_, value); }
    // The uids of the participants the element is for.
    const std::vector<std::string>& roles() const { return roles_; }
    void setRoles(std::vector<std::string> value) { assign(roles_, std::move(value)); }

    std::shared_ptr<ZKDocument> document() const { return document_.lock(); }
    std::shared_ptr<ZKTransaction> transaction() const;
    const std::shared_ptr<ZKValidation>& validation() const { return validation_; }
    // Attaches the validation (replacing and deleting a previous one).
    void setValidation(const std::shared_ptr<ZKValidation>& validation);

    // Sets the content and marks the transaction as locally changed (ZKTransaction
    // setLocal, whose save writes this change too).
    void updateContent(const std::string& content);
    // Creates, attaches and saves an empty validation when the element has none.
    void initializeValidationIfNeeded();

    // Used by ZKDocument to keep both sides of the relation in step.
    void setDocument(const std::shared_ptr<ZKDocument>& document);

private:
    std::string ident_;
    std::string name_;
    std::string type_;
    std::optional<std::string> autofill_;
    std::string content_;
    bool readOnly_ = false;
    std::optional<std::string> approval_;
    int page_ = 1;
    platform::graphics::Rect frame_;
    std::vector<std::string> roles_;
    std::weak_ptr<ZKDocument> document_;
    std::shared_ptr<ZKValidation> validation_;
};
