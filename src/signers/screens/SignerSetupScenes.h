#pragma once

// The signer setup's scenes of the storyboard "CreateTransaction": the add/edit recipient
// page and the navigation controller the main page opens it in, the authentication
// method picker and its two detail pages, and the segues between them and from the page
// to the pages that fill in its recipient. Those pages come back through the page's
// unwind action.
class SignerSetupScenes {
public:
    static constexpr const char* personalMessagePageScene = "CreateTransactionSignerAddPersonalMessagePage";
    static constexpr const char* contactsPageScene = "CreateTransactionSignerChooseContactPage";
    static constexpr const char* authenticationMethodsPageScene = "CreateTransactionSignerAuthenticationMethodsPage";
    static constexpr const char* groupsPageScene = "CreateTransactionPickGroupViewController";
    static constexpr const char* qaPageScene = "CreateTransactionSignerAuthenticationMethodQAPage";
    static constexpr const char* smsPageScene = "CreateTransactionSignerAuthenticationMethodSMSPage";

    static constexpr const char* toPersonalMessagePageSegue = "fromAddRecipientPageToPersonalMessagePage";
    static constexpr const char* toContactsPageSegue = "fromAddRecipientPageToContactsPage";
    static constexpr const char* toAuthenticationMethodsPageSegue = "fromAddSignerPageToAuthenticationMethodsPage";
    static constexpr const char* toGroupsPageSegue = "fromAddSignerPageToGroupsPage";
    static constexpr const char* toQAPageSegue = "fromAuthenticationMethodsToQAMethodPage";
    static constexpr const char* toSMSPageSegue = "fromAuthenticationMethodsToSMSMethodPage";
    static constexpr const char* fromAuthenticationMethodsPageSegue = "unwindFromAuthenticationMethodsToAddSignerPage";
    static constexpr const char* fromQAPageSegue = "unwindFromQAAuthenticationMethodToAuthenticationMethods";
    static constexpr const char* fromSMSPageSegue = "unwindFromSMSAuthenticationMethodToAuthenticationMethods";
    static constexpr const char* fromContactsPageSegue = "unwindFromChooseContactPageToAddSignerPage";
    static constexpr const char* fromGroupsPageSegue = "unwindFromGroupsPageToAddSignerPage";
    static constexpr const char* fromPersonalMessagePageSegue = "unwindFromPersonalMessagePageToAddSignerPage";
    // The add/edit recipient page's unwind action, the target of every page opened from it,
    // and the picker's.
    static constexpr const char* unwindToAddSignerPageAction = "unwindToAddSignerViewControllerWithSegue:";
    static constexpr const char* unwindToAuthenticationMethodsPageAction =
        "unwindToCreateTransactionAuthenticationMethodsVCWithSegue:";

    // Registers the signer setup's part. Safe to call more than once.
    static void registerScenes();
};
