#include "sdk/VTTransactionStoreReader.h"

#include "model/ZKDocument.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "store/ZKFileManager.h"

#include <filesystem>

namespace {

std::optional<std::string> unlessEmpty(const std::string& text)
{
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

std::shared_ptr<VTSigner> signerFromParticipant(const ZKParticipant& participant)
{
    auto signer = VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        participant.firstName(), participant.lastName(), participant.email(), participant.company(),
        participant.title(), participant.uid());
    signer->setEmailMessage(unlessEmpty(participant.emailMessage()));
    signer->setAllowChangeSigners(participant.allowChangeSigners());
    const auto& authentication = participant.authentication();
    if (authentication.is_object() && !authentication.empty()) {
        signer->setAuthenticationDict(authentication);
    }
    signer->setParticipantId(participant.uid());
    return signer;
}

std::shared_ptr<VTDocument> documentFromStored(const ZKDocument& document, const std::string& guid)
{
    const std::filesystem::path folder = ZKFileManager::folderPathForTransactionWithGUID(guid);
    const auto path = document.fileName().empty() ? std::string() : (folder / document.fileName()).string();
    auto result = VTDocument::initWithNameAndPath(document.name(), path);
    result->setDocumentId(document.ident());
    return result;
}

} // namespace

std::shared_ptr<VTTransaction> VTTransactionStoreReader::builderFromTransaction(const ZKTransaction& stored)
{
    auto builder = std::make_shared<VTTransaction>();
    builder->guid_ = stored.guid();
    builder->rebuiltFromStore_ = true;
    builder->name_ = stored.name();
    builder->desc_ = stored.desc();
    if (stored.expiry()) {
        builder->expiry_ = platform::Date(*stored.expiry());
    }
    builder->emailMessage_ = unlessEmpty(stored.emailMessage());
    builder->inPerson_ = stored.inPerson();
    builder->autocomplete_ = stored.autocomplete();
    builder->orderSigning_ = stored.orderSigning();
    builder->draft_ = stored.draft();
    for (const auto& participant : stored.participants()) {
        builder->signers_.push_back(signerFromParticipant(*participant));
        builder->senderVisible_ = builder->senderVisible_ || participant->isOwner();
    }
    for (const auto& document : stored.documents()) {
        builder->documents_.push_back(documentFromStored(*document, stored.guid()));
    }
    return builder;
}
