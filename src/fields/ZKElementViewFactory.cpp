#include "fields/ZKElementViewFactory.h"

#include "fields/ZKCheckBox.h"
#include "fields/ZKDateField.h"
#include "fields/ZKDateInputField.h"
#include "fields/ZKLabel.h"
#include "fields/ZKList.h"
#include "fields/ZKRadio.h"
#include "fields/ZKSelectorField.h"
#include "fields/ZKSignatureField.h"
#include "fields/ZKStaticField.h"
#include "fields/ZKSwitch.h"
#include "fields/ZKTextArea.h"
#include "fields/ZKTextField.h"
#include "model/ZKElement.h"

#include <functional>
#include <map>
#include <string>

namespace {

using Maker = std::function<std::shared_ptr<ZKElementView>(const std::shared_ptr<ZKElement>&)>;

template <class View>
Maker maker()
{
    return [](const std::shared_ptr<ZKElement>& element) { return std::make_shared<View>(element); };
}

std::shared_ptr<ZKElementView> textBoxView(const std::shared_ptr<ZKElement>& element)
{
    const auto& autofill = element->autofill();
    if (autofill == "{approval.signed}") {
        return std::make_shared<ZKDateField>(element);
    }
    if (autofill == "{signer.name}" || autofill == "{signer.title}" || autofill == "{signer.company}") {
        return std::make_shared<ZKStaticField>(element);
    }
    return std::make_shared<ZKTextField>(element);
}

const std::map<std::string, Maker>& makersByType()
{
    static const std::map<std::string, Maker> makers{
        {"SIGNATURE", maker<ZKSignatureField>()}, {"TextBox", textBoxView},
        {"TextArea", maker<ZKTextArea>()},        {"label", maker<ZKLabel>()},
        {"CheckBox", maker<ZKCheckBox>()},        {"Radio", maker<ZKRadio>()},
        {"List", maker<ZKList>()},                {"dateEntryField", maker<ZKDateInputField>()},
        {"Selector", maker<ZKSelectorField>()},   {"Switch", maker<ZKSwitch>()},
        {"CUSTOMFIELD", maker<ZKTextField>()},
    };
    return makers;
}

} // namespace

std::shared_ptr<ZKElementView> ZKElementViewFactory::elementViewForElement(const std::shared_ptr<ZKElement>& element)
{
    if (!element) {
        return nullptr;
    }
    const auto found = makersByType().find(element->type());
    auto view = found == makersByType().end() ? std::make_shared<ZKStaticField>(element) : found->second(element);
    view->update();
    return view;
}
