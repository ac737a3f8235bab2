#pragma once

#include <memory>

namespace platform::ui {
class Storyboard;
}

// The storyboard "CreateTransaction", in which every composer and signer-setup scene
// lives. The composer registers its part (the main page, the settings page and the
// segues leaving the main page); the signer setup registers the add/edit recipient page
// in a part of its own. Both are registered when the SDK starts.
class CreateTransactionStoryboard {
public:
    static constexpr const char* name = "CreateTransaction";

    static constexpr const char* mainPageScene = "CreateTransactionAddDocsAndSignersPage";
    static constexpr const char* settingsPageScene = "CreateTransactionSettingsVC";
    // The navigation controller around the add/edit recipient page, and the page itself.
    static constexpr const char* addSignerNavigationScene = "AddSignerNavigationController";
    static constexpr const char* addSignerPageScene = "AddSignerViewController";

    static constexpr const char* toSettingsPageSegue = "fromCreateTransactionPageToCreateTransactionSettingsPage";
    static constexpr const char* toAddSignerPageSegue = "fromCreateTransactionPageToAddSignerPage";
    static constexpr const char* fromSettingsPageSegue = "unwindFromCreateTransactionSettingsToCreateTransactionPage";
    static constexpr const char* fromAddSignerPageSegue = "unwindFromAddSignerPageToCreateTransactionPage";
    // The main page's unwind action, the target of every page opened from it.
    static constexpr const char* unwindToMainPageAction = "unwindToCreateTransactionPageWithSegue:";

    // Registers the composer's part. Safe to call more than once.
    static void registerScenes();
    // A fresh storyboard, or null before any part is registered.
    static std::shared_ptr<platform::ui::Storyboard> named();
};
