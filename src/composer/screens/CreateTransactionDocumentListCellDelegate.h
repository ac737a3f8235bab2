#pragma once

#include <string>

// What the document list asks of the page it sits on.
class CreateTransactionDocumentListCellDelegate {
public:
    virtual ~CreateTransactionDocumentListCellDelegate() = default;

    // A person tapped the document of row `documentIndex`, kept at `filePath`.
    virtual void createTransactionDocumentListCellContentOfFilePreviewRequested(const std::string& filePath,
                                                                             int documentIndex) = 0;
};
