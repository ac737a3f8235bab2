#include "DemoComposer.h"

#include "DemoWalk.h"

#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"

#include <iostream>

namespace host {

std::shared_ptr<CreateTransactionAddDocsAndSignersPage> openComposer(const DemoStage& stage,
                                                                     const std::string& transactionName)
{
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName(transactionName);
    Veltra::dashboard()->createAndStartEditWithTransaction(transaction, false, false, false);
    host::pause(0.6);
    auto page = std::dynamic_pointer_cast<CreateTransactionAddDocsAndSignersPage>(stage.navigation->topViewController());
    if (!page) {
        std::cout << "The main page did not open.\n";
    }
    return page;
}

} // namespace host
