#include "store/StoreRowWriter.h"

#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "store/SqliteDatabase.h"
#include "store/StoreTables.h"

namespace {

using Entity = VeltManagedObject::Entity;

template <class Stored>
bool writeRow(SqliteDatabase& database, const StoreTable<Stored>& table, const VeltManagedObject& object)
{
    auto& statement = database.statement(table.layout().upsertSql());
    table.bind(statement, static_cast<const Stored&>(object));
    return statement.execute();
}

} // namespace

bool StoreRowWriter::write(const VeltManagedObject& object)
{
    switch (object.entity()) {
    case Entity::Transaction: return writeRow(database_, StoreTables::transactions(), object);
    case Entity::Document: return writeRow(database_, StoreTables::documents(), object);
    case Entity::Element: return writeRow(database_, StoreTables::elements(), object);
    case Entity::Participant: return writeRow(database_, StoreTables::participants(), object);
    case Entity::Validation: return writeRow(database_, StoreTables::validations(), object);
    case Entity::PredefinedActions: return writeRow(database_, StoreTables::predefinedActions(), object);
    }
    return false;
}

bool StoreRowWriter::remove(const VeltManagedObject& object)
{
    auto& statement = database_.statement(StoreTables::layoutOf(object.entity()).deleteSql());
    return statement.bind(1, object.objectID()).execute();
}
