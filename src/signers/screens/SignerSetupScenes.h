#pragma once

// The signer setup's scenes of the storyboard "CreateTransaction": the add/edit recipient
// page with the navigation controller the main page opens it in, and the pages it opens
// (contacts, groups, personal message), which all unwind to it.
class SignerSetupScenes {
public:
    static constexpr const char* contactsPageScene = "CreateTransactionSignerChooseContactPage";
    static constexpr const char* groupsPageScene = "CreateTransactionPickGroupViewController";
    static constexpr const char* personalMessagePageScene = "CreateTransactionSignerAddPersonalMessagePage";

    static constexpr const char* toContactsPageSegue = "fromAddRecipientPageToContactsPage";
    static constexpr const char* toGroupsPageSegue = "fromAddSignerPageToGroupsPage";
    static constexpr const char* toPersonalMessagePageSegue = "fromAddRecipientPageToPersonalMessagePage";
    static constexpr const char* fromContactsPageSegue = "unwindFromChooseContactPageToAddSignerPage";
    static constexpr const char* fromGroupsPageSegue = "unwindFromGroupsPageToAddSignerPage";
    static constexpr const char* fromPersonalMessagePageSegue = "unwindFromPersonalMessagePageToAddSignerPage";
    // The add/edit recipient page's unwind action, the target of every page opened from it.
    static constexpr const char* unwindToAddSignerPageAction = "unwindToAddSignerViewControllerWithSegue:";

    // Registers the signer setup's part. Safe to call more than once.
    static void registerScenes();
};
