#include "sdk/VTTransaction.h"

#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransactionStarter.h"
#include "sdk/VTTransactionStoreReader.h"
#include "sdk/VTTransactionStoreWriter.h"
#include "foundation/Text.h"
#include "model/ZKTransaction.h"

#include <algorithm>

namespace {

bool isValidIndex(int index, std::size_t count)
{
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

template <class T>
void moveElement(std::vector<T>& items, int from, int to)
{
    if (!isValidIndex(from, items.size()) || !isValidIndex(to, items.size()) || from == to) {
        return;
    }
    // Only the places between the two shift.
    const auto source = items.begin() + from;
    const auto target = items.begin() + to;
    if (from < to) {
        std::rotate(source, source + 1, target + 1);
    } else {
        std::rotate(target, source, source + 1);
    }
}

} // namespace

std::shared_ptr<VTTransaction> VTTransaction::transactionForGUID(const std::optional<std::string>& guid)
{
    if (!guid || guid->empty()) {
        return nullptr;
    }
    VTTransactionStarter::openStore();
    const auto stored = ZKTransaction::transactionWithGIUD(*guid);
    return stored ? VTTransactionStoreReader::builderFromTransaction(*stored) : nullptr;
}

void VTTransaction::setOrderSigning(bool value)
{
    if (!value) {
        const auto own = std::find_if(signers_.begin(), signers_.end(),
                                      [](const auto& signer) { return signer->isSendersOwnRecipient(); });
        if (own != signers_.end()) {
            std::rotate(signers_.begin(), own, own + 1);
        }
    }
    orderSigning_ = value;
}

void VTTransaction::addSigner(const std::shared_ptr<VTSigner>& signer)
{
    if (!signer) {
        return;
    }
    if (!signer->isSendersOwnRecipient()) {
        signers_.push_back(signer);
        return;
    }
    senderVisible_ = true;
    if (orderSigning_) {
        signers_.push_back(signer);
    } else {
        signers_.insert(signers_.begin(), signer);
    }
}

void VTTransaction::removeSignerWithIndex(int index)
{
    if (!isValidIndex(index, signers_.size())) {
        return;
    }
    const auto removed = signers_[static_cast<std::size_t>(index)];
    signers_.erase(signers_.begin() + index);
    if (rebuiltFromStore_ && guid_ && removed->participantId()) {
        VTTransactionStoreWriter::removeStoredParticipant(*guid_, *removed->participantId());
    }
}

void VTTransaction::changePlaceOfSignerWithIndexToIndex(int from, int to)
{
    moveElement(signers_, from, to);
}

void VTTransaction::addDocument(const std::shared_ptr<VTDocument>& document)
{
    addDocumentAtIndex(document, static_cast<int>(documents_.size()));
}

void VTTransaction::addDocumentAtIndex(const std::shared_ptr<VTDocument>& document, int index)
{
    if (!document) {
        return;
    }
    document->setName(getGoodDocNameCurrentNameAndNumber(document->name(), document->name(), 1));
    const auto position = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(index, 0)), 0, documents_.size());
    documents_.insert(documents_.begin() + static_cast<std::ptrdiff_t>(position), document);
}

void VTTransaction::removeDocumentWithIndex(int index)
{
    if (!isValidIndex(index, documents_.size())) {
        return;
    }
    const auto removed = documents_[static_cast<std::size_t>(index)];
    documents_.erase(documents_.begin() + index);
    if (rebuiltFromStore_ && guid_ && removed->documentId()) {
        VTTransactionStoreWriter::removeStoredDocument(*guid_, *removed->documentId());
    }
}

void VTTransaction::changePlaceOfDocumentWithIndexToIndex(int from, int to)
{
    moveElement(documents_, from, to);
}

std::string VTTransaction::numberedDocumentName(const std::string& name, int number)
{
    constexpr std::string_view kExtension = ".pdf";
    const std::string counter = "(" + std::to_string(number) + ")";
    if (name.size() > kExtension.size() && name.ends_with(kExtension)) {
        return name.substr(0, name.size() - kExtension.size()) + counter + std::string(kExtension);
    }
    return name + counter;
}

std::string VTTransaction::getGoodDocNameCurrentNameAndNumber(const std::string& docName,
                                                              const std::string& currentName, int number) const
{
    const auto taken = [this](const std::string& name) {
        return std::any_of(documents_.begin(), documents_.end(),
                           [&name](const auto& document) { return document->name() == name; });
    };
    std::string candidate = currentName;
    while (taken(candidate)) {
        candidate = numberedDocumentName(docName, number++);
    }
    return candidate;
}

void VTTransaction::startEditingWithCallback(const Callback& callback)
{
    VTTransactionStarter::openStore();
    const auto result = VTTransactionStoreWriter(*this).writeDraft();
    const auto reply = VTTransactionStarter::resultDictionary(result);
    // A start that stored nothing leaves the builder as it was.
    if (const auto* stored = std::get_if<std::shared_ptr<ZKTransaction>>(&result)) {
        draft_ = true;
        VTTransactionStarter::openOnCeremonyScreens(*stored);
    }
    if (callback) {
        callback(reply);
    }
}

void VTTransaction::commitUpdatesWithCallback(const Callback& callback)
{
    if (platform::text::trimWhitespaceAndNewlines(name_.value_or("")).empty()) {
        return;
    }
    VTTransactionStarter::openStore();
    const auto reply = VTTransactionStarter::resultDictionary(VTTransactionStoreWriter(*this).writeEdits());
    if (callback) {
        callback(reply);
    }
}
