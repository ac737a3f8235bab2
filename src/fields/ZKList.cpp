#include "fields/ZKList.h"

#include "support/LocalizedSDK.h"

ZKList::ZKList(std::shared_ptr<ZKElement> element)
    : ZKElementView(element), listDisplayView_(std::make_shared<ZKListDisplayView>(element, localizedSDK("List")))
{
    setDisplayView(listDisplayView_);
}

void ZKList::setValue(const std::string&)
{
    listDisplayView_->updateAppearance();
}

void ZKList::updateDisplay()
{
    listDisplayView_->updateAppearance();
}
