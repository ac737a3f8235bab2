#include "signers/screens/SignerSetupScenes.h"

#include "composer/screens/CreateTransactionStoryboard.h"
#include "signers/screens/AddSignerViewController.h"
#include "signers/screens/CreateTransactionPickGroupViewController.h"
#include "signers/screens/CreateTransactionSignerAddPersonalMessagePage.h"
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
