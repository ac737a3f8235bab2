#include "signers/screens/SignerSetupScenes.h"

#include "composer/screens/CreateTransactionStoryboard.h"
#include "signers/screens/AddSignerViewController.h"
#include "ui/Storyboard.h"

using platform::ui::Storyboard;

void SignerSetupScenes::registerScenes()
{
    using Scenes = CreateTransactionStoryboard;
    Storyboard::registerDefinitionPart(Scenes::name, "signers", [](Storyboard& storyboard) {
        storyboard.addScene(Scenes::addSignerPageScene, [] { return std::make_shared<AddSignerViewController>(); });
        storyboard.addNavigationScene(Scenes::addSignerNavigationScene, Scenes::addSignerPageScene);
        storyboard.addUnwindSegue(Scenes::addSignerPageScene, Scenes::fromAddSignerPageSegue,
                                  Scenes::unwindToMainPageAction);
    });
}
