#pragma once

#include "SignerSetupScreenTest.h"
#include "StandInPages.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "signers/screens/AddSignerViewController.h"
#include "support/VeltraTest.h"
#include "ui/NavigationController.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <memory>
#include <string>
#include <vector>

namespace signers_screens_testing {

// A host with the SDK started and a signed-in sender, showing the composer's main page
// on a phone in portrait; the add/edit recipient page is opened from there as a person
// (the add row) or the recipient list (a row's index) opens it, and driven with the
// fingers and the keyboard.
class AddSignerPageTest : public testing_support::VeltraTest {
protected:
    using Page = AddSignerViewController;

    void SetUp() override;
    void TearDown() override;
    // Whether the pages opened from the add/edit page are played by stand-ins or are the
    // real pages.
    virtual bool withStandInPages() const { return true; }

    void signIn(const Dictionary& identity);
    // Adds recipients through the model, as the list would show them.
    void addRecipient(const Dictionary& input);
    void addAccountGroups(const std::vector<std::shared_ptr<ZKGroup>>& groups);

    std::shared_ptr<Page> openToAdd();
    std::shared_ptr<Page> openToEdit(int index);
    // The page on top of the add/edit navigation controller, or null once it is gone.
    std::shared_ptr<platform::ui::ViewController> topOfAddPage() const;
    template <class StandIn>
    std::shared_ptr<StandIn> openedStandIn() const
    {
        return std::dynamic_pointer_cast<StandIn>(topOfAddPage());
    }
    bool addPageClosed() const { return mainPage->presentedViewController() == nullptr; }

    // What a person does.
    void tap(const platform::ui::View& view);
    void type(const std::weak_ptr<platform::ui::TextField>& field, const std::string& text);
    void typeDetails(const std::string& firstName, const std::string& lastName, const std::string& email);
    // A tap on the form beside the fields, which ends editing.
    void tapBeside();
    void settle(double seconds = 1);

    // Shakes of the view recorded since the case began.
    static int shakesOf(const platform::ui::View& view);
    static bool isShown(const platform::ui::View& view) { return shownToAPerson(view); }
    static bool isShown(const std::weak_ptr<platform::ui::View>& view) { return isShown(*view.lock()); }
    bool addShown() const { return isShown(*page->addButton.lock()); }

    std::shared_ptr<VLTNewTransactionViewModel> model;
    std::shared_ptr<platform::ui::Window> window;
    std::shared_ptr<platform::ui::NavigationController> navigation;
    std::shared_ptr<CreateTransactionAddDocsAndSignersPage> mainPage;
    std::shared_ptr<Page> page;
    std::unique_ptr<platform::ui::TouchInjector> fingers;
};

} // namespace signers_screens_testing
