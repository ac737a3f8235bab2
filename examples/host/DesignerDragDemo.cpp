// The form designer on a started draft: the sender drags a signature, a text field, a
// check box and a date field from the side panel's palette onto the first page. The
// account's designer settings, which the login brings, show the date field. Each state is
// drawn upright and turned on its side (with the drag under way), on a phone, a tablet and a phone with a notch.
#include "DemoPdf.h"
#include "DemoRegistry.h"
#include "DemoWalk.h"
#include "DemoSender.h"
#include "DemoStage.h"
#include "DeviceWalks.h"

#if __has_include("fakes/FakeSigningService.h")

#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFPage.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "designer/screens/ZKSignatureFieldTableViewCell.h"
#include "designer/screens/ZKSignatureFieldsTableViewCell.h"
#include "fakes/FakeSigningService.h"
#include "fields/ZKElementView.h"
#include "foundation/RunLoop.h"
#include "model/ZKElement.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/VeltraDelegate.h"
#include "sdk/facade/Veltra.h"
#include "ui/NavigationController.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <iostream>

namespace {

using platform::graphics::Point;
using platform::ui::TouchInjector;

struct ExitWatcher : VeltraDelegate {
    void didExitSDK(const Dictionary&) override { exited = true; }
    void didSynchronizeTransaction(const Dictionary&) override {}
    void synchronizingFailedForTransaction(const Dictionary&) override {}
    bool exited = false;
};

class DragWalk {
public:
    DragWalk(std::filesystem::path folder, std::shared_ptr<platform::ui::Window> window)
        : folder_(std::move(folder)), window_(std::move(window)), fingers_(window_)
    {
    }

    std::shared_ptr<ZKPrepareFormFieldViewController> panel() const
    {
        return std::dynamic_pointer_cast<ZKPrepareFormFieldViewController>(hub()->formFieldVC());
    }
    static std::shared_ptr<ZKMainViewController> hub() { return ZKCTouchManager::sharedInstance()->mainVController(); }

    // A point of the first page, as fractions of its width and height, on the window.
    Point onFirstPage(double across, double down) const
    {
        const auto& page = *hub()->pdfViewController()->pages().front();
        const auto frame = page.convertRectTo(page.bounds(), nullptr);
        return {frame.minX() + frame.width() * across, frame.minY() + frame.height() * down};
    }

    // Presses the palette item whose description is given (on its glyph in the panel's
    // icon column), pulls it to `target` and lets go; `whileHeld` runs before the finger lifts.
    void drag(const std::string& description, const Point& target, const std::function<void()>& whileHeld = nullptr)
    {
        const auto row = paletteRow(description);
        if (!row) {
            std::cout << "  The palette offers no " << description << ".\n";
            return;
        }
        const Point start = fingers_.centerOf(*row->rightSignatureFieldIcon.lock());
        const auto touch = fingers_.touchDown(start);
        Point at = start;
        for (const double step : {4.0, 8.0, 12.0}) {
            host::pause(0.02);
            at = {start.x + step, start.y};
            fingers_.touchMove(touch, at);
        }
        constexpr int steps = 12;
        const Point from = at;
        for (int step = 1; step <= steps; ++step) {
            const double part = static_cast<double>(step) / steps;
            host::pause(0.03);
            fingers_.touchMove(touch, {from.x + (target.x - from.x) * part, from.y + (target.y - from.y) * part});
        }
        if (whileHeld) {
            whileHeld();
        }
        fingers_.touchUp(touch);
        host::pause(0.5);
        std::cout << "  Dropped a " << description << ": " << hub()->pdfViewController()->elementViews().size()
                  << " fields on the page.\n";
    }

    void draw(const std::string& name) const
    {
        host::pause(0.3);
        host::drawWindow(*window_, folder_, name);
        host::drawLandscape(*window_, folder_, name);
    }

private:
    std::shared_ptr<ZKSignatureFieldTableViewCell> paletteRow(const std::string& description) const
    {
        const auto& fields = panel()->formFields();
        const auto found = std::find_if(fields.begin(), fields.end(),
                                        [&description](const auto& field) { return field->fieldDescription() == description; });
        const auto list = std::dynamic_pointer_cast<ZKSignatureFieldsTableViewCell>(panel()->fieldsTableView()->cellForRow({0, 2}));
        if (found == fields.end() || !list) {
            return nullptr;
        }
        return std::dynamic_pointer_cast<ZKSignatureFieldTableViewCell>(
            list->signatureFieldsTableView.lock()->cellForRow({0, static_cast<int>(found - fields.begin())}));
    }

    std::filesystem::path folder_;
    std::shared_ptr<platform::ui::Window> window_;
    TouchInjector fingers_;
};

std::shared_ptr<VTTransaction> leaseTransaction(const std::filesystem::path& folder)
{
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName("Parking lease");
    transaction->addDocument(
        VTDocument::initWithNameAndPath("Lease.pdf", host::writeLetterPdf(folder / "lease.pdf", "Parking lease")));
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Tia", "Tenant", "tia@example.com", std::nullopt, std::nullopt, "signer0"));
    return transaction;
}

void placeFields(DragWalk& walk)
{
    walk.drag("Signature", walk.onFirstPage(0.3, 0.78));
    walk.drag("Text Field", walk.onFirstPage(0.6, 0.5), [&walk] { walk.draw("drag-text-field-guides"); });
    walk.drag("Check Box", walk.onFirstPage(0.2, 0.6), [&walk] { walk.draw("drag-check-box-guides"); });
    walk.drag("Date Field", walk.onFirstPage(0.72, 0.9));
    walk.draw("dropped-fields");
    for (const auto& view : walk.hub()->pdfViewController()->elementViews()) {
        const auto& element = *view->element();
        const auto frame = element.frame();
        std::cout << "  Stored: " << element.type() << " on page " << element.page() + 1 << " at (" << frame.minX()
                  << ", " << frame.minY() << ", " << frame.width() << " x " << frame.height() << ")"
                  << (element.approval() ? ", belonging to " + *element.approval() : "") << "\n";
    }
}

void walkOn(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    const auto stage = host::DemoStage::open(profile);
    const auto watcher = std::make_shared<ExitWatcher>();
    const auto facade = Veltra::dashboard();
    facade->setDelegate(watcher);
    const auto transaction = leaseTransaction(folder);
    transaction->startEditingWithCallback([](const Dictionary&) {});
    host::pause(ZKMainViewController::transitionDuration + 0.6);
    DragWalk walk(folder, stage.window);
    if (!DragWalk::hub() || !walk.panel()) {
        std::cout << "No designer panel is shown.\n";
        return;
    }
    placeFields(walk);
    facade->exitSDK();
    platform::RunLoop::main().advanceUntil([&watcher] { return watcher->exited; }, 10);
}

void run(const host::DemoContext& context)
{
    fakes::FakeSigningService service;
    host::addSenderAccount(service, "P-DESIGN");
    service.setDesignerSettings("P-DESIGN", Dictionary{{"datepicker", {{"visibility", true}}}});
    if (!host::startService(service)) {
        return;
    }
    host::DemoStage::open();
    host::signInSender(service);
    host::walkOnEachDevice(context, context.outputDirectory / "designer", walkOn);
    service.stop();
}

host::DemoRegistration registration(62, "Designer: palette items dragged onto a draft's first page", run,
                                    host::WalksDevices{});

} // namespace

#endif
