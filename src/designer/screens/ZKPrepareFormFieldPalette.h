#pragma once

#include <memory>
#include <vector>

class ZKDesignerHelper;
class ZKPrepareFormField;

// The field palette of the designer's side panel: the signature and eleven kinds of form
// field in a fixed order, each kind offered only while the designer settings let the
// palette show it. The signature is always there and is the one primary item. Stateless.
class ZKPrepareFormFieldPalette {
public:
    static std::vector<std::shared_ptr<ZKPrepareFormField>> formFields(ZKDesignerHelper& settings);
};
