#include "sdk/facade/VeltraExitReporter.h"

#include "sdk/facade/Veltra.h"
#include "sdk/VeltraDelegate.h"

ZKCTouchManager::ExitHandler VeltraExitReporter::handler()
{
    return [](const Dictionary& transactionInfo) {
        if (const auto delegate = Veltra::dashboard()->delegate()) {
            delegate->didExitSDK(transactionInfo);
        }
    };
}
