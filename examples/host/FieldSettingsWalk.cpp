#include "FieldSettingsWalk.h"

#include "DemoWalk.h"

#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/ZKPrepareFormField.h"

namespace host {

std::shared_ptr<ZKElementView> FieldSettingsWalk::place(const std::string& type, const std::string& description) const
{
    const auto viewer = ZKCTouchManager::sharedInstance()->mainVController()->pdfViewController();
    auto item = ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill("4", description, type, std::nullopt);
    item->setIsPrimaryFieldType(type == "SIGNATURE");
    viewer->userDidTapOnFormFieldViewToConvertLocationFrom(item, viewer->view());
    window()->layoutIfNeeded();
    return viewer->elementViews().back();
}

void FieldSettingsWalk::save(const ZKFieldSettingsTopBar& bar)
{
    tap(*bar.titleLabel());
    tap(*bar.saveButton());
    host::pause(0.6);
}

} // namespace host
