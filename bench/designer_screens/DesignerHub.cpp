#include "DesignerHub.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"
#include "samples/SamplePdf.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "ui/Screen.h"

#include <random>

namespace bench {

std::shared_ptr<ZKPrepareFormField> paletteItem(const std::string& type, bool primary)
{
    auto field = ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill("4", type, type, std::nullopt);
    field->setIsPrimaryFieldType(primary);
    return field;
}

DesignerHub::DesignerHub()
{
    home = std::filesystem::temp_directory_path() / ("veltra-designer-bench-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(home);
    platform::SharedInstances::resetAll();
    auto& loop = platform::RunLoop::main();
    loop.reset();
    loop.bindToCurrentThread();
    loop.useManualClock();
    platform::Environment::setHomeDirectory(home);
    platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phone);
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::portrait);
    host = std::make_unique<HostWindow>();
    auto draft = std::make_shared<VTTransaction>();
    draft->setName("Agreement");
    draft->addDocument(
        VTDocument::initWithNameAndPath("Agreement.pdf", bench_samples::writeBlankPagePdf(home / "agreement.pdf")));
    draft->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Cara", "Client", "cara@example.com", std::nullopt, std::nullopt, "signer0"));
    draft->startEditingWithCallback([](const Dictionary&) {});
    loop.advance(ZKMainViewController::transitionDuration + 1);
    hub = ZKCTouchManager::sharedInstance()->mainVController();
    panel = std::dynamic_pointer_cast<ZKPrepareFormFieldViewController>(hub->formFieldVC());
    place(paletteItem("SIGNATURE", true));
}

DesignerHub::~DesignerHub()
{
    hub.reset();
    panel.reset();
    host.reset();
    platform::SharedInstances::resetAll();
    std::filesystem::remove_all(home);
}

void DesignerHub::place(const std::shared_ptr<ZKPrepareFormField>& item) const
{
    panel->delegate()->userDidTapOnFormFieldViewToConvertLocationFrom(item, panel->view());
}

} // namespace bench
