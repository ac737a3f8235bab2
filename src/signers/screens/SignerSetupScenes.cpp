#include "signers/screens/SignerSetupScenes.h"

#include "composer/screens/CreateTransactionStoryboard.h"
#include "signers/screens/AddSignerViewController.h"
#include "signers/screens/CreateTransactionPickGroupViewController.h"
#include "signers/screens/CreateTransactionSignerAddPersonalMessagePage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodQAPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPage.h"
#include "signers/screens/CreateTransactionSignerChooseContactPage.h"
#include "ui/Storyboard.h"

using platform::ui::SegueKind;
using platform::ui::Storyboard;

void SignerSetupScenes::registerScenes()
{
    using Scenes = CreateTransactionStoryboard;
    Storyboard::registerDefinitionPart(Scenes::name, "signers", [](Storyboard& storyboard) {
        storyboard.addScene(Scenes::addSignerPageScene, [] { return std::make_shared<AddSignerViewController>(); });
        storyboard.addNavigationScene(Scenes::addSignerNavigationScene, Scenes::addSignerPageScene);
        storyboard.addUnwindSegue(Scenes::addSignerPageScene, Scenes::fromAddSignerPageSegue,
                                  Scenes::unwindToMainPageAction);
        storyboard.addScene(authenticationMethodsPageScene,
                            [] { return std::make_shared<CreateTransactionSignerAuthenticationMethodsPage>(); });
        storyboard.addScene(qaPageScene,
                            [] { return std::make_shared<CreateTransactionSignerAuthenticationMethodQAPage>(); });
        storyboard.addScene(smsPageScene,
                            [] { return std::make_shared<CreateTransactionSignerAuthenticationMethodSMSPage>(); });
        storyboard.addSegue(Scenes::addSignerPageScene, toAuthenticationMethodsPageSegue, SegueKind::show,
                            authenticationMethodsPageScene);
        storyboard.addSegue(authenticationMethodsPageScene, toQAPageSegue, SegueKind::show, qaPageScene);
        storyboard.addSegue(authenticationMethodsPageScene, toSMSPageSegue, SegueKind::show, smsPageScene);
        storyboard.addUnwindSegue(authenticationMethodsPageScene, fromAuthenticationMethodsPageSegue,
                                  unwindToAddSignerPageAction);
        storyboard.addUnwindSegue(qaPageScene, fromQAPageSegue, unwindToAuthenticationMethodsPageAction);
        storyboard.addUnwindSegue(smsPageScene, fromSMSPageSegue, unwindToAuthenticationMethodsPageAction);
        storyboard.addScene(contactsPageScene,
                            [] { return std::make_shared<CreateTransactionSignerChooseContactPage>(); });
        storyboard.addScene(groupsPageScene, [] { return std::make_shared<CreateTransactionPickGroupViewController>(); });
        storyboard.addScene(personalMessagePageScene,
                            [] { return std::make_shared<CreateTransactionSignerAddPersonalMessagePage>(); });
        storyboard.addSegue(Scenes::addSignerPageScene, toContactsPageSegue, SegueKind::show, contactsPageScene);
        storyboard.addSegue(Scenes::addSignerPageScene, toGroupsPageSegue, SegueKind::show, groupsPageScene);
        storyboard.addSegue(Scenes::addSignerPageScene, toPersonalMessagePageSegue, SegueKind::show,
                            personalMessagePageScene);
        storyboard.addUnwindSegue(contactsPageScene, fromContactsPageSegue, unwindToAddSignerPageAction);
        storyboard.addUnwindSegue(groupsPageScene, fromGroupsPageSegue, unwindToAddSignerPageAction);
        storyboard.addUnwindSegue(personalMessagePageScene, fromPersonalMessagePageSegue,
                                  unwindToAddSignerPageAction);
    });
}
