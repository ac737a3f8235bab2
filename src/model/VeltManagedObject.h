#pragma once

#include "model/VeltObjectStore.h"

#include <cstdint>
#include <memory>

// The base of every stored entity. An object belongs to at most one store, which gives it
// a row id when it is inserted; its setters report changes to that store so the next save
// writes it. The class-level store manager is the store that entity factories and
// lookups use: the data manager installs it at start-up (tests install their own and the
// shared-instance reset clears it).
class VeltManagedObject : public std::enable_shared_from_this<VeltManagedObject> {
public:
    enum class Entity { Transaction, Document, Element, Participant, Validation, PredefinedActions };

    virtual ~VeltManagedObject() = default;
    VeltManagedObject(const VeltManagedObject&) = delete;
    VeltManagedObject& operator=(const VeltManagedObject&) = delete;

    virtual Entity entity() const = 0;

    static std::shared_ptr<VeltObjectStore> storeManager();
    static void setStoreManager(std::shared_ptr<VeltObjectStore> manager);

    // Saves the store of this object (every pending change of it, not just this object's)
    // and answers whether the save succeeded; false when the object belongs to no store.
    bool saveUpdates();

    // The store holding the object; nullptr before insertion or after the store is gone.
    std::shared_ptr<VeltObjectStore> store() const { return store_.lock(); }
    std::int64_t objectID() const { return objectID_; }
    bool isDeleted() const { return deleted_; }

    // Used by the store only.
    void attachToStore(const std::shared_ptr<VeltObjectStore>& store, std::int64_t objectID);
    void markDeleted() { deleted_ = true; }
    void markUndeleted() { deleted_ = false; }
    bool isPendingSave() const { return pendingSave_; }
    void setPendingSave(bool pending) { pendingSave_ = pending; }

protected:
    VeltManagedObject() = default;

    // Reports a change to the store (nothing while the object is detached, as while the store
    // builds it from its rows).
    void didChange();

    template <class T, class U>
    void assign(T& field, U&& value)
    {
        if (field == value) {
            return;
        }
        field = std::forward<U>(value);
        didChange();
    }

    // Inserts `object` into the class-level store manager when there is one.
    static void insertInStoreManager(const std::shared_ptr<VeltManagedObject>& object);

private:
    std::weak_ptr<VeltObjectStore> store_;
    std::int64_t objectID_ = 0;
    bool deleted_ = false;
    bool pendingSave_ = false;
};
