#pragma once

#include "model/VeltManagedObject.h"
#include "store/StoreTable.h"

#include <string>

class ZKDocument;
class ZKElement;
class ZKParticipant;
class ZKPredefinedActions;
class ZKTransaction;
class ZKValidation;

// The tables of the store, one per entity, each described once. Descriptions are made
// on first use and never change, so any thread may read them.
class StoreTables {
public:
    static const StoreTable<ZKTransaction>& transactions();
    static const StoreTable<ZKPredefinedActions>& predefinedActions();
    static const StoreTable<ZKParticipant>& participants();
    static const StoreTable<ZKDocument>& documents();
    static const StoreTable<ZKElement>& elements();
    static const StoreTable<ZKValidation>& validations();

    static const StoreTableLayout& layoutOf(VeltManagedObject::Entity entity);
    // Creates every table, owners before what they own.
    static std::string createSql();
};
