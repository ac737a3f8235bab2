#include "signers/screens/SignerSetupScenes.h"

#include "composer/screens/CreateTransactionStoryboard.h"
#include "signers/screens/AddSignerViewController.h"
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
        // Each leads to its page once that page's scene is registered; until then the
        // segue opens nothing and says so in the log.
        storyboard.addSegue(Scenes::addSignerPageScene, toPersonalMessagePageSegue, SegueKind::show,
                            personalMessagePageScene);
        storyboard.addSegue(Scenes::addSignerPageScene, toContactsPageSegue, SegueKind::show, contactsPageScene);
        storyboard.addSegue(Scenes::addSignerPageScene, toAuthenticationMethodsPageSegue, SegueKind::show,
                            authenticationMethodsPageScene);
        storyboard.addSegue(Scenes::addSignerPageScene, toGroupsPageSegue, SegueKind::show, groupsPageScene);
    });
}
