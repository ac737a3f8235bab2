#pragma once

// What the add-document row asks of its page.
class CreateTransactionAddDocumentCellDelegate {
public:
    virtual ~CreateTransactionAddDocumentCellDelegate() = default;

    virtual void addDocumentsButtonTapped() = 0;
};
