#pragma once

#include "foundation/Dictionary.h"
#include "sdk/VTTransactionStoreWriter.h"

#include <memory>

class ZKTransaction;

// What happens around a builder's write to the store: the store opened first, the result
// dictionary for the host, and a started draft made the current transaction and shown on
// the ceremony screens.
class VTTransactionStarter {
public:
    // The transaction coordinator opens the local store on first use; its store is the
    // entities' store again when another owner let go of it.
    static void openStore();

    // {"status": "success", "guid", "transaction": {"guid", "desc", "name", "status",
    // "type", "due" when set}} or {"status": "failed", "error"}.
    static Dictionary resultDictionary(const VTTransactionStoreWriter::Result& result);

    static void openOnCeremonyScreens(const std::shared_ptr<ZKTransaction>& transaction);
};
