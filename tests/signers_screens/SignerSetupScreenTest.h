#pragma once

#include "composer/screens/CreateTransactionSignerType.h"
#include "contacts/Contact.h"
#include "model/ZKGroup.h"
#include "signers/screens/CreateTransactionPickGroupViewControllerDelegate.h"
#include "signers/screens/CreateTransactionSignerAddPersonalMessagePageDelegate.h"
#include "signers/screens/CreateTransactionSignerChooseContactPageDelegate.h"
#include "support/VeltraTest.h"
#include "ui/NavigationController.h"
#include "ui/ScrollView.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace signers_screens_testing {

// Whether a person sees the view: it and its ancestors shown, in a window.
bool shownToAPerson(const platform::ui::View& view);
// A finger drawn up the scroll view, again and again, far enough to reach its end.
void scrollToTheEnd(platform::ui::TouchInjector& fingers, const platform::ui::ScrollView& scroll);
// Whether the scroll view shows its content and no blank band past either end of it.
bool scrolledWithinContent(const platform::ui::ScrollView& scroll);
// Writes the contacts as the address book of the home folder.
void writeAddressBookIn(const std::filesystem::path& home, const std::vector<platform::contacts::Contact>& contacts);
platform::contacts::Contact person(const std::string& firstName, const std::string& lastName,
                                   const std::vector<std::string>& emails = {});

// What the contacts picker handed over.
struct HandedContact {
    std::optional<std::string> firstName;
    std::optional<std::string> lastName;
    std::optional<std::string> email;
    std::optional<std::string> company;
    std::optional<std::string> jobTitle;
};

// The page that opens the pickers: it records, in order, what each of them tells it and
// when they come back to it.
class TestOpener : public platform::ui::ViewController,
                   public CreateTransactionSignerChooseContactPageDelegate,
                   public CreateTransactionPickGroupViewControllerDelegate,
                   public CreateTransactionSignerAddPersonalMessagePageDelegate {
public:
    void newSignerSelectedFromPhonebook(const std::optional<std::string>& name,
                                        const std::optional<std::string>& familiyName,
                                        const std::optional<std::string>& email,
                                        const std::optional<std::string>& company,
                                        const std::optional<std::string>& jobTitle) override;
    void setSelectedGroup(const std::shared_ptr<ZKGroup>& selectedGroup) override;
    void setSignerType(CreateTransactionSignerType signerType) override;
    void updateUIForSignerType(CreateTransactionSignerType signerType) override;
    void populateUIForSelectedGroup() override;
    void manageAddButtonAvailability() override;
    void newPersonalMessageAvailable(const std::optional<std::string>& message) override;

    std::vector<std::string> events;
    std::vector<HandedContact> contacts;
    std::shared_ptr<ZKGroup> selectedGroup;
    std::optional<CreateTransactionSignerType> signerType;
    std::vector<std::optional<std::string>> messages;
};

// A phone window whose navigation controller holds the opener; each case opens one page
// from the storyboard on top of it, as the add/edit recipient page does, and drives it
// with the fingers. The address book is an empty folder of the case's home.
class SignerSetupScreenTest : public testing_support::VeltraTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new controller of the scene with the opener as its delegate, set up by `prepare`
    // and pushed on the opener.
    template <class Page, class Prepare>
    std::shared_ptr<Page> open(const char* scene, const Prepare& prepare)
    {
        auto page = std::dynamic_pointer_cast<Page>(instantiate(scene));
        if (!page) {
            ADD_FAILURE() << "no page of scene " << scene;
            return nullptr;
        }
        page->setDelegate(opener);
        prepare(*page);
        push(page);
        return page;
    }

    void writeAddressBook(const std::vector<platform::contacts::Contact>& contacts) const
    {
        writeAddressBookIn(home(), contacts);
    }

    // A finger's tap, then a second for what it sets off.
    void tap(const platform::ui::View& view);
    // A finger's tap alone, for what runs while it is set off.
    void touch(const platform::ui::View& view);
    void settle(double seconds = 1);
    static bool isShown(const platform::ui::View& view) { return shownToAPerson(view); }
    // The page on top of the opener, or null once it has gone back.
    std::shared_ptr<platform::ui::ViewController> topPage() const;

    std::shared_ptr<TestOpener> opener;
    std::shared_ptr<platform::ui::NavigationController> navigation;
    std::shared_ptr<platform::ui::Window> window;
    std::unique_ptr<platform::ui::TouchInjector> fingers;

    std::shared_ptr<platform::ui::ViewController> instantiate(const char* scene) const;
    void push(const std::shared_ptr<platform::ui::ViewController>& page);
};

} // namespace signers_screens_testing
