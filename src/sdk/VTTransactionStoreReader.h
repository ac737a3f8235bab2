#pragma once

#include <memory>

class VTTransaction;
class ZKTransaction;

// Rebuilds a builder from a stored transaction: its settings, its participants as
// recipients (role = participant uid) and its documents with the paths of their stored
// PDFs.
class VTTransactionStoreReader {
public:
    static std::shared_ptr<VTTransaction> builderFromTransaction(const ZKTransaction& stored);
};
