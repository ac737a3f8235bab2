#include "composer/screens/CreateTransactionStoryboard.h"

#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "composer/screens/CreateTransactionSettingsVC.h"
#include "ui/Storyboard.h"

using platform::ui::SegueKind;
using platform::ui::Storyboard;

void CreateTransactionStoryboard::registerScenes()
{
    Storyboard::registerDefinitionPart(name, "composer", [](Storyboard& storyboard) {
        storyboard.addScene(mainPageScene, [] { return std::make_shared<CreateTransactionAddDocsAndSignersPage>(); });
        storyboard.addScene(settingsPageScene, [] { return std::make_shared<CreateTransactionSettingsVC>(); });
        storyboard.addSegue(mainPageScene, toSettingsPageSegue, SegueKind::presentModally, settingsPageScene);
        storyboard.addSegue(mainPageScene, toAddSignerPageSegue, SegueKind::presentModally,
                            addSignerNavigationScene);
        storyboard.addUnwindSegue(settingsPageScene, fromSettingsPageSegue, unwindToMainPageAction);
    });
}

std::shared_ptr<Storyboard> CreateTransactionStoryboard::named()
{
    return Storyboard::named(name);
}
