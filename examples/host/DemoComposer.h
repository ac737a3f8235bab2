#pragma once

#include "DemoStage.h"

#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"

#include <memory>
#include <string>

namespace host {

// Opens the composer over the stage's root on a new, empty draft of that name and lets it
// settle. Answers the composer's main page, or nothing, said aloud, when it did not open.
std::shared_ptr<CreateTransactionAddDocsAndSignersPage> openComposer(const DemoStage& stage,
                                                                     const std::string& transactionName);

} // namespace host
