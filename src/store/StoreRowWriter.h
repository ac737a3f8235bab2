#pragma once

class SqliteDatabase;
class VeltManagedObject;

// Writes one entity to its row (inserting or updating by row id) or removes the row.
// Runs inside the transaction the caller opened.
class StoreRowWriter {
public:
    explicit StoreRowWriter(SqliteDatabase& database) : database_(database) {}

    bool write(const VeltManagedObject& object);
    bool remove(const VeltManagedObject& object);

private:
    SqliteDatabase& database_;
};
