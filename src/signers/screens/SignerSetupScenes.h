#pragma once

// The signer setup's scenes of the storyboard "CreateTransaction": the add/edit recipient
// page, the navigation controller the main page opens it in, and the segues from the page
// to the pages that fill in its recipient. Those pages come back through the page's
// unwind action.
class SignerSetupScenes {
public:
    static constexpr const char* personalMessagePageScene = "CreateTransactionSignerAddPersonalMessagePage";
    static constexpr const char* contactsPageScene = "CreateTransactionSignerChooseContactPage";
    static constexpr const char* authenticationMethodsPageScene = "CreateTransactionSignerAuthenticationMethodsPage";
    static constexpr const char* groupsPageScene = "CreateTransactionPickGroupViewController";

    static constexpr const char* toPersonalMessagePageSegue = "fromAddRecipientPageToPersonalMessagePage";
    static constexpr const char* toContactsPageSegue = "fromAddRecipientPageToContactsPage";
    static constexpr const char* toAuthenticationMethodsPageSegue = "fromAddSignerPageToAuthenticationMethodsPage";
    static constexpr const char* toGroupsPageSegue = "fromAddSignerPageToGroupsPage";
    // The add/edit recipient page's unwind action, the target of every page opened from it.
    static constexpr const char* unwindToAddSignerPageAction = "unwindToAddSignerViewControllerWithSegue:";

    // Registers the signer setup's part. Safe to call more than once.
    static void registerScenes();
};
