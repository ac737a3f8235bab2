#pragma once

#include "sdk/VeltraCreateTransactionDelegate.h"

#include <memory>

class CreateTransactionAddDocsAndSignersPage;

// The main page's host side (the facade): it supplies documents and hears the page close.
class CreateTransactionAddDocsAndSignersPageDelegate {
public:
    // Takes the document's file path and its display name, when there is one.
    using AddDocumentCallback = VeltraCreateTransactionDelegate::AddDocumentCallback;

    virtual ~CreateTransactionAddDocsAndSignersPageDelegate() = default;

    virtual void createTransactionPageAddDocumentButtonTappedWithCreateTransactionVCWithCallBack(
        const std::shared_ptr<CreateTransactionAddDocsAndSignersPage>& page, const AddDocumentCallback& callback) = 0;
    virtual void createTransactionPageCloseButtonTappedWithCreateTransactionVC(
        const std::shared_ptr<CreateTransactionAddDocsAndSignersPage>& page) = 0;
};
