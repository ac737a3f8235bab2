#include "model/VeltManagedObject.h"

#include "foundation/SharedInstances.h"

namespace {

// The class-level store manager lives in a shared instance so that a test reset drops it.
struct StoreManagerSlot {
    std::shared_ptr<VeltObjectStore> manager;
};

} // namespace

std::shared_ptr<VeltObjectStore> VeltManagedObject::storeManager()
{
    return platform::SharedInstance<StoreManagerSlot>::get()->manager;
}

void VeltManagedObject::setStoreManager(std::shared_ptr<VeltObjectStore> manager)
{
    platform::SharedInstance<StoreManagerSlot>::get()->manager = std::move(manager);
}

bool VeltManagedObject::saveUpdates()
{
    const auto owner = store();
    return owner && !owner->save().has_value();
}

void VeltManagedObject::attachToStore(const std::shared_ptr<VeltObjectStore>& store, std::int64_t objectID)
{
    store_ = store;
    objectID_ = objectID;
}

void VeltManagedObject::didChange()
{
    if (const auto owner = store()) {
        owner->objectDidChange(shared_from_this());
    }
}

void VeltManagedObject::insertInStoreManager(const std::shared_ptr<VeltManagedObject>& object)
{
    if (const auto manager = storeManager()) {
        manager->insertObject(object);
    }
}
