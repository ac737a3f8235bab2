#pragma once

#include "model/VeltManagedObject.h"

class ZKTransaction;

// The server work still pending for one transaction, as six flags.
class ZKPredefinedActions : public VeltManagedObject {
public:
    ZKPredefinedActions() = default;
    Entity entity() const override { return Entity::PredefinedActions; }

    static std::shared_ptr<ZKPredefinedActions> insertNew();

    bool deleteOnServer() const { return deleteOnServer_; }
    void setDeleteOnServer(bool value) { assign(deleteOnServer_, value); }
    bool createOnServer() const { return createOnServer_; }
    void setCreateOnServer(bool value) { assign(createOnServer_, value); }
    bool send() const { return send_; }
    void setSend(bool value) { assign(send_, value); }
    bool sign() const { return sign_; }
    void setSign(bool value) { assign(sign_, value); }
    bool optOut() const { return optOut_; }
    void setOptOut(bool value) { assign(optOut_, value); }
    bool complete() const { return complete_; }
    void setComplete(bool value) { assign(complete_, value); }

    // Whether any work is pending.
    bool hasPendingWork() const { return deleteOnServer_ || createOnServer_ || send_ || sign_ || optOut_ || complete_; }

    std::shared_ptr<ZKTransaction> transaction() const { return transaction_.lock(); }
    // Used by ZKTransaction when it attaches the record.
    void setTransaction(const std::shared_ptr<ZKTransaction>& transaction);

private:
    bool deleteOnServer_ = false;
    bool createOnServer_ = false;
    bool send_ = false;
    bool sign_ = false;
    bool optOut_ = false;
    bool complete_ = false;
    std::weak_ptr<ZKTransaction> transaction_;
};
