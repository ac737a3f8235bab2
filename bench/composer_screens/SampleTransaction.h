#pragma once

#include "sdk/VTTransaction.h"

#include <functional>
#include <memory>
#include <string>

namespace composer_bench {

// The builder every composer benchmark starts from: "Contract <n>" documents at the path
// `documentPath` gives for <n>, and recipients "Signer <n>" <signer<n>@example.com>.
std::shared_ptr<VTTransaction> sampleTransaction(
    const std::string& name, int documents, int recipients,
    const std::function<std::string(int)>& documentPath = [](int) { return std::string("/nowhere/contract.pdf"); });

} // namespace composer_bench
