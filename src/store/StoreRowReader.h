#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class SqliteDatabase;
class VeltObjectStore;
class ZKTransaction;

// Reads stored rows: a whole transaction with what it owns, and the lookups by GUID and
// by radio group.
class StoreRowReader {
public:
    explicit StoreRowReader(SqliteDatabase& database) : database_(database) {}

    // The transaction of row `rowID` with its documents, elements, validations,
    // participants and pending work, attached to `store`; nullptr when there is no row.
    std::shared_ptr<ZKTransaction> loadTransaction(std::int64_t rowID, const std::shared_ptr<VeltObjectStore>& store);

    // Row ids of the transactions whose guid equals `guid` ignoring ASCII case.
    std::vector<std::int64_t> transactionRowsWithGuid(const std::string& guid);
    // Row ids of every transaction, newest last update first.
    std::vector<std::int64_t> allTransactionRows();
    // (element row id, group) of the stored radio elements of an approval in a document.
    std::vector<std::pair<std::int64_t, std::string>> radioGroups(const std::string& approvalIdent,
                                                                  const std::string& documentIdent);
    // (transaction GUID, file name) of every stored document that names a file.
    std::vector<std::pair<std::string, std::string>> documentFiles();
    // The largest row id of each entity table, in VeltManagedObject::Entity order.
    std::vector<std::int64_t> lastRowIDs();

private:
    SqliteDatabase& database_;
};
