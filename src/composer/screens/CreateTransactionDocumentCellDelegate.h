#pragma once

class CreateTransactionDocumentCell;

// What a document row asks of the list it belongs to.
class CreateTransactionDocumentCellDelegate {
public:
    virtual ~CreateTransactionDocumentCellDelegate() = default;

    // The row's trash button was tapped.
    virtual void documentCellDeleteButtonTapped(CreateTransactionDocumentCell& cell) = 0;
    // The row was tapped while its trash button was covered.
    virtual void documentCellDidTapOnCell(CreateTransactionDocumentCell& cell) = 0;
    // Whether a row may uncover its trash button at all.
    virtual bool canDeleteDocuments() const = 0;
};
