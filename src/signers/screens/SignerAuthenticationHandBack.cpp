#include "signers/screens/SignerAuthenticationHandBack.h"

void SignerAuthenticationHandBack::toOpener(
    const std::shared_ptr<CreateTransactionSignerAuthenticationMethodsPageDelegate>& opener,
    const SignerAuthenticationMethod& method)
{
    if (!opener) {
        return;
    }
    opener->setAuthenticationMethod(method);
    opener->updateAuthenticationMethodLabel();
    opener->manageAddButtonAvailability();
}
