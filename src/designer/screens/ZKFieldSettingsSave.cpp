#include "designer/screens/ZKFieldSettingsSave.h"

#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "sdk/screens/VTAlertView.h"
#include "support/LocalizedSDK.h"
#include "support/ZKError.h"

namespace {

constexpr const char* notSavedMessageKey = localizableKey("The field's settings were not saved.");

void showRefusal(const ZKError& error)
{
    VTAlertView::sharedInstance()->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction(
        localizedSDK("Error"), localizedSDK(notSavedMessageKey) + "\n" + error.description(), localizedSDK("OK"));
}

} // namespace

ZKFieldSettingsSave::ZKFieldSettingsSave(std::shared_ptr<ZKElement> element)
    : element_(std::move(element))
    , name_(element_->name())
    , content_(element_->content())
    , readOnly_(element_->readOnly())
{
    if (const auto& validation = element_->validation()) {
        validation_ = ValidationValues{validation->required(), validation->maxLength(), validation->enumeration(),
                                       validation->pattern()};
    }
}

bool ZKFieldSettingsSave::store()
{
    const auto owner = element_->store();
    const auto error = owner ? owner->save()
                             : std::optional(ZKError::make(ZKError::storeFailure, "The field is not in the local store."));
    if (!error) {
        return true;
    }
    restore();
    showRefusal(*error);
    return false;
}

// The values go back as changes: a later save writes exactly what is stored already.
void ZKFieldSettingsSave::restore()
{
    element_->setName(name_);
    element_->setContent(content_);
    element_->setReadOnly(readOnly_);
    const auto& validation = element_->validation();
    if (!validation || !validation_) {
        return;
    }
    validation->setRequired(validation_->required);
    validation->setMaxLength(validation_->maxLength);
    validation->setEnumeration(validation_->enumeration);
    validation->setPattern(validation_->pattern);
}
