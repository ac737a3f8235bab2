#include "SampleTransaction.h"

#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"

namespace composer_bench {

std::shared_ptr<VTTransaction> sampleTransaction(const std::string& name, int documents, int recipients,
                                                 const std::function<std::string(int)>& documentPath)
{
    auto transaction = std::make_shared<VTTransaction>();
    if (!name.empty()) {
        transaction->setName(name);
    }
    for (int index = 0; index < documents; ++index) {
        transaction->addDocument(VTDocument::initWithNameAndPath("Contract " + std::to_string(index), documentPath(index)));
    }
    for (int index = 0; index < recipients; ++index) {
        const std::string number = std::to_string(index);
        transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
            "Signer", number, "signer" + number + "@example.com", "Company " + number, "Title", std::nullopt));
    }
    return transaction;
}

} // namespace composer_bench
