#pragma once

#include "foundation/Dictionary.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class ZKDataManager;
class ZKTransaction;

// The current-transaction coordinator: holds the one transaction that the ceremony and
// the designer work on, finds stored transactions, and fetches the account's groups.
// Created on first use; creating it opens the local store. Main thread only, except
// where said.
class ZKTransactionManager {
public:
    using ResultCallback = std::function<void(const Dictionary& result)>;

    static std::shared_ptr<ZKTransactionManager> sharedInstance();

    ZKTransactionManager();

    const std::shared_ptr<ZKDataManager>& dataManager() const { return dataManager_; }

    std::shared_ptr<ZKTransaction> transaction() const { return current_->transaction; }
    // The current transaction's GUID (which follows it when synchronising gives it the
    // service's), or the id set while it is being loaded.
    std::optional<std::string> transactionID() const;
    void setTransaction(const std::shared_ptr<ZKTransaction>& transaction);
    void setTransactionID(const std::optional<std::string>& transactionID);

    // The stored transaction whose GUID matches ignoring case, or nullptr.
    std::shared_ptr<ZKTransaction> transactionWithId(const std::string& guid) const;

    // The account's signing groups, the first 999 by name: {"count", "results": [{"id",
    // "name", "email", "members": [{"email"}]}]} or {"error": error}, called back on the
    // network's thread.
    void fetchGroupsWithCallback(ResultCallback callback) const;

    // The current transaction for the host: "guid", "name", "status", "progressLevel",
    // "localProgressLevel", "draft", "offline", "signedSignatures", "confirmedSignatures",
    // "unsignedSignatures"; empty without a current transaction.
    Dictionary interfaceDictionary() const;

private:
    // Shared with the file manager, which asks for the current id without owning us.
    struct Current {
        std::shared_ptr<ZKTransaction> transaction;
        std::optional<std::string> transactionID;
        std::optional<std::string> id() const;
    };

    std::shared_ptr<ZKDataManager> dataManager_;
    std::shared_ptr<Current> current_ = std::make_shared<Current>();
};
