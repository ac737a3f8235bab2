#pragma once

#include "foundation/Dictionary.h"
#include "model/VeltManagedObject.h"

#include <optional>
#include <string>
#include <vector>

class ZKDocument;
class ZKParticipant;
class ZKPredefinedActions;

// One package: its documents and participants in order, its settings, status flags and
// the server work still pending for it.
class ZKTransaction : public VeltManagedObject {
public:
    ZKTransaction() = default;
    Entity entity() const override { return Entity::Transaction; }

    // A new transaction in the class-level store manager (detached when there is none).
    static std::shared_ptr<ZKTransaction> insertNew();
    // The stored transaction whose guid matches ignoring case, or nullptr.
    static std::shared_ptr<ZKTransaction> transactionWithGIUD(const std::string& guid);

    const std::string& guid() const { return guid_; }
    void setGuid(std::string value) { assign(guid_, std::move(value)); }
    const std::string& name() const { return name_; }
    void setName(std::string value) { assign(name_, std::move(value)); }
    const std::string& desc() const { return desc_; }
    void setDesc(std::string value) { assign(desc_, std::move(value)); }
    const std::string& status() const { return status_; }
    void setStatus(std::string value) { assign(status_, std::move(value)); }
    bool draft() const { return draft_; }
    void setDraft(bool value) { assign(draft_, value); }
    bool local() const { return local_; }
    void setLocalFlag(bool value) { assign(local_, value); }
    // Seconds since 1970.
    double lastUpdate() const { return lastUpdate_; }
    void setLastUpdate(double value) { assign(lastUpdate_, value); }
    // Seconds since 1970; empty when the transaction does not expire.
    const std::optional<double>& expiry() const { return expiry_; }
    void setExpiry(std::optional<double> value) { assign(expiry_, value); }
    // The message to all recipients.
    const std::string& emailMessage() const { return emailMessage_; }
    void setEmailMessage(std::string value) { assign(emailMessage_, std::move(value)); }
    bool inPerson() const { return inPerson_; }
    void setInPerson(bool value) { assign(inPerson_, value); }
    bool autocomplete() const { return autocomplete_; }
    void setAutocomplete(bool value) { assign(autocomplete_, value); }
    bool orderSigning() const { return orderSigning_; }
    void setOrderSigning(bool value) { assign(orderSigning_, value); }
    // Options and attributes of the service that the system keeps without reading
    // (an object; empty when none).
    const Dictionary& advancedOptions() const { return advancedOptions_; }
    void setAdvancedOptions(Dictionary value) { assign(advancedOptions_, std::move(value)); }
    const Dictionary& trxAttributes() const { return trxAttributes_; }
    void setTrxAttributes(Dictionary value) { assign(trxAttributes_, std::move(value)); }

    // Documents and participants, each kept in ascending `order`.
    const std::vector<std::shared_ptr<ZKDocument>>& documents() const { return documents_; }
    const std::vector<std::shared_ptr<ZKParticipant>>& participants() const { return participants_; }
    // Adds the object to this transaction (taking it from its previous one) and places it
    // by its `order`.
    void addDocument(const std::shared_ptr<ZKDocument>& document);
    void addParticipant(const std::shared_ptr<ZKParticipant>& participant);
    // Deletes the object from the store (it is no longer part of this transaction).
    void removeDocument(const std::shared_ptr<ZKDocument>& document);
    void removeParticipant(const std::shared_ptr<ZKParticipant>& participant);
    // Re-sorts after an `order` of a document or participant changed.
    void sortByOrder();

    // The pending server work; created on first use.
    std::shared_ptr<ZKPredefinedActions> predefinedActions();
    void setPredefinedActions(const std::shared_ptr<ZKPredefinedActions>& actions);
    // The pending server work when the transaction has a record of it, else nullptr.
    const std::shared_ptr<ZKPredefinedActions>& predefinedActionsIfAny() const { return predefinedActions_; }

    // The participants offered in the designer, in signing order.
    std::vector<std::shared_ptr<ZKParticipant>> editTransactionParticipants() const;

    // Stamps `lastUpdate` with the current time, marks a non-draft transaction local, and
    // saves; answers the save's result.
    bool setLocal();

    // Used by the store to return this object to its stored state: takes the values,
    // documents, participants and pending work of `stored`, which is left empty. Reports
    // no change of its own.
    void takeContentsOf(ZKTransaction& stored);

private:
    std::string guid_;
    std::string name_;
    std::string desc_;
    std::string status_;
    bool draft_ = false;
    bool local_ = false;
    double lastUpdate_ = 0;
    std::optional<double> expiry_;
    std::string emailMessage_;
    bool inPerson_ = false;
    bool autocomplete_ = false;
    bool orderSigning_ = false;
    Dictionary advancedOptions_ = Dictionary::object();
    Dictionary trxAttributes_ = Dictionary::object();
    std::vector<std::shared_ptr<ZKDocument>> documents_;
    std::vector<std::shared_ptr<ZKParticipant>> participants_;
    std::shared_ptr<ZKPredefinedActions> predefinedActions_;
};
