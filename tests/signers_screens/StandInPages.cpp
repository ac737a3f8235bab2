#include "StandInPages.h"

#include "composer/screens/CreateTransactionStoryboard.h"
#include "signers/screens/SignerSetupScenes.h"
#include "ui/Storyboard.h"

namespace signers_screens_testing {

namespace {

constexpr const char* fromPersonalMessagePage = "unwindFromPersonalMessagePageToAddSignerPage";
constexpr const char* fromContactsPage = "unwindFromChooseContactPageToAddSignerPage";
constexpr const char* fromAuthenticationMethodsPage = "unwindFromAuthenticationMethodsToAddSignerPage";
constexpr const char* fromGroupsPage = "unwindFromGroupsPageToAddSignerPage";

template <class Page>
void addStandIn(platform::ui::Storyboard& storyboard, const char* scene, const char* unwind)
{
    storyboard.addScene(scene, [] { return std::make_shared<Page>(); });
    storyboard.addUnwindSegue(scene, unwind, SignerSetupScenes::unwindToAddSignerPageAction);
}

} // namespace

void StandInPersonalMessagePage::add(const std::string& message)
{
    if (const auto delegate = delegate_.lock()) {
        delegate->newPersonalMessageAvailable(message);
    }
    performSegue(fromPersonalMessagePage, shared_from_this());
}

void StandInContactsPage::choose(const std::optional<std::string>& name, const std::optional<std::string>& familyName,
                                 const std::optional<std::string>& email)
{
    if (const auto delegate = delegate_.lock()) {
        delegate->newSignerSelectedFromPhonebook(name, familyName, email, std::nullopt, std::nullopt);
    }
    performSegue(fromContactsPage, shared_from_this());
}

void StandInAuthenticationMethodsPage::choose(const SignerAuthenticationMethod& method)
{
    authenticationMethod = method;
    if (const auto delegate = delegate_.lock()) {
        delegate->setAuthenticationMethod(method);
        delegate->updateAuthenticationMethodLabel();
        delegate->manageAddButtonAvailability();
    }
    performSegue(fromAuthenticationMethodsPage, shared_from_this());
}

void StandInGroupPicker::choose(std::size_t row)
{
    if (const auto delegate = delegate_.lock()) {
        delegate->setSelectedGroup(groupList.at(row));
        delegate->setSignerType(CreateTransactionSignerType::group);
        delegate->updateUIForSignerType(CreateTransactionSignerType::group);
        delegate->populateUIForSelectedGroup();
        delegate->manageAddButtonAvailability();
    }
    performSegue(fromGroupsPage, shared_from_this());
}

constexpr const char* standInPart = "zz-stand-ins";

void registerStandInPages()
{
    platform::ui::Storyboard::registerDefinitionPart(
        CreateTransactionStoryboard::name, standInPart, [](platform::ui::Storyboard& storyboard) {
            addStandIn<StandInPersonalMessagePage>(storyboard, SignerSetupScenes::personalMessagePageScene,
                                                   fromPersonalMessagePage);
            addStandIn<StandInContactsPage>(storyboard, SignerSetupScenes::contactsPageScene, fromContactsPage);
            addStandIn<StandInAuthenticationMethodsPage>(
                storyboard, SignerSetupScenes::authenticationMethodsPageScene, fromAuthenticationMethodsPage);
            addStandIn<StandInGroupPicker>(storyboard, SignerSetupScenes::groupsPageScene, fromGroupsPage);
        });
}

void removeStandInPages()
{
    platform::ui::Storyboard::registerDefinitionPart(CreateTransactionStoryboard::name, standInPart,
                                                     [](platform::ui::Storyboard&) {});
}

} // namespace signers_screens_testing
