#pragma once

// What the create/edit page hears from the new-transaction model. Every message is
// optional: a delegate overrides the ones it wants, the others do nothing.
class VLTNewTransactionViewModelDelegate {
public:
    virtual ~VLTNewTransactionViewModelDelegate() = default;

    // The recipient list changed; also sent after a refused add, so the list redraws.
    virtual void signersHaveBeenUpdated() {}
    // A recipient was removed (sent after signersHaveBeenUpdated).
    virtual void signerHaveBeenRemoved() {}
    virtual void signerOrderChanged(bool orderedSigning) { (void)orderedSigning; }
    virtual void documentsHaveBeenUpdated() {}
    // A document was removed (sent after documentsHaveBeenUpdated).
    virtual void documentHaveBeenRemoved() {}
};
