#pragma once

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "fakes/FakeSigningService.h"
#include "foundation/Dictionary.h"
#include "sdk/VTTransaction.h"
#include "sdk/VeltraDelegate.h"
#include "support/VeltraTest.h"
#include "ui/Button.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace composer_screens_testing {

// The host's delegates, recording what they hear in one ordered list.
class RecordingHost : public VeltraDelegate, public VeltraCreateTransactionDelegate {
public:
    void didExitSDK(const Dictionary& info) override
    {
        events.push_back("didExitSDK");
        exitInfo = info;
    }
    void didSynchronizeTransaction(const Dictionary&) override {}
    void synchronizingFailedForTransaction(const Dictionary&) override {}
    bool respondsToDidCreateLocalDraftWithDetails() const override { return true; }
    void didCreateLocalDraftWithDetails(const Dictionary& value) override
    {
        events.push_back("didCreateLocalDraftWithDetails");
        details.push_back(value);
    }
    bool respondsToOnAddDocumentAndCallback() const override { return true; }
    void onAddDocumentAndCallback(const std::shared_ptr<platform::ui::ViewController>&,
                                  const AddDocumentCallback& callback) override
    {
        events.push_back("onAddDocument");
        if (documentToAdd) {
            callback(documentToAdd->first, documentToAdd->second);
        }
    }
    bool respondsToOnCloseButton() const override { return true; }
    void onCloseButton(const std::shared_ptr<platform::ui::ViewController>&) override
    {
        events.push_back("onCloseButton");
    }

    std::vector<std::string> events;
    std::vector<Dictionary> details;
    Dictionary exitInfo;
    std::optional<std::pair<std::string, std::optional<std::string>>> documentToAdd;
};

// A host application with the SDK started: a window on a phone in portrait whose root
// controller sits in a navigation controller, the facade's delegates, and a signed-in
// sender. Pages are opened through the facade and driven with the fingers.
// No server address is set: the signing-groups fetch that the page starts whenever it
// appears fails at once, so no case waits on a network.
class ComposerScreenTest : public testing_support::VeltraTest {
protected:
    using Page = CreateTransactionAddDocsAndSignersPage;

    void SetUp() override;
    void TearDown() override;

    // The window on the profile, with the root controller inside a navigation
    // controller (or alone).
    void makeHost(platform::ui::DeviceProfile profile, bool withNavigation = true);
    // The page on top of the host's navigation stack or presented on its root.
    std::shared_ptr<Page> page() const;
    // A fresh page opened on a new host transaction of documents "Document 0", "Document 1"
    // ... and the recipients, with the host's flags.
    std::shared_ptr<Page> openWith(const std::optional<std::string>& name, int documents,
                                   const std::vector<std::string>& recipientEmails, bool canAddDocuments = true,
                                   bool canDeleteDocuments = true, bool canReorderDocuments = true);
    std::shared_ptr<Page> open(const std::shared_ptr<VTTransaction>& transaction, bool canAddDocuments = true,
                               bool canDeleteDocuments = true, bool canReorderDocuments = true);
    std::string writePdf(const std::string& fileName) const;

    // What a person does.
    void tap(const platform::ui::View& view);
    void tapAndSettle(const platform::ui::View& view);
    void typeName(const std::string& name);
    void settle(double seconds = 1);
    void rotate(platform::ui::InterfaceOrientation orientation);

    platform::ui::TableViewCellPtr row(int row) const;
    double heightOfRow(int row) const;
    // The page's title as a person reads it.
    std::string titleText() const;
    // Whether a person sees the view: it and its ancestors shown, in a window.
    static bool isShown(const platform::ui::View& view);
    // The window's x where a button's title ends as drawn, and whether all of it fits.
    static double titleRightEdge(const platform::ui::Button& button);
    static bool titleFits(const platform::ui::Button& button);
    // The first button in or under the view with the title, or none.
    static std::shared_ptr<platform::ui::Button> buttonTitled(const platform::ui::View& view, const std::string& title);
    // The texts of the shown labels in and under the view, top to bottom.
    static std::vector<std::string> shownTexts(const platform::ui::View& view);
    // Whether the editor being typed into is shown whole between the top of the scroller
    // it is in and the top of the keyboard, as the window lays them out now.
    testing::AssertionResult typedAboveKeyboard(const platform::ui::View& editor,
                                                const platform::ui::View& scroller) const;

    std::shared_ptr<VLTNewTransactionViewModel> model;
    std::shared_ptr<RecordingHost> host = std::make_shared<RecordingHost>();
    std::shared_ptr<platform::ui::Window> window;
    std::shared_ptr<platform::ui::ViewController> root;
    std::shared_ptr<platform::ui::NavigationController> navigation;
    std::unique_ptr<platform::ui::TouchInjector> fingers;
};

} // namespace composer_screens_testing
