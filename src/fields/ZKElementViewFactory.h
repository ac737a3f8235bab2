#pragma once

#include <memory>

class ZKElement;
class ZKElementView;

// Makes the element view that shows an element, chosen by its type and autofill value.
class ZKElementViewFactory {
public:
    // "SIGNATURE" a signature field; "TextBox" a text field, except the signing date
    // ("{approval.signed}") and the signer's details ("{signer.name}", "{signer.title}",
    // "{signer.company}"), which are filled in when signing; "CUSTOMFIELD" a text field
    // too, whatever its autofill value; "TextArea", "label",
    // "CheckBox", "Radio", "List" and "dateEntryField" their own kinds; the service's
    // "Selector" and "Switch" kinds theirs; any other type a static field. The view is
    // placed at the element's frame and shows its content; null for a null element.
    static std::shared_ptr<ZKElementView> elementViewForElement(const std::shared_ptr<ZKElement>& element);
};
