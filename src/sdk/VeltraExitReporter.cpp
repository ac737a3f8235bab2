#include "sdk/VeltraExitReporter.h"

#include "sdk/Veltra.h"
#include "sdk/VeltraDelegate.h"

ZKCTouchManager::ExitHandler VeltraExitReporter::handler()
{
    return [](const Dictionary& transactionInfo) {
        if (const auto delegate = Veltra::dashboard()->delegate()) {
            delegate->didExitSDK(transactionInfo);
        }
    };
}
