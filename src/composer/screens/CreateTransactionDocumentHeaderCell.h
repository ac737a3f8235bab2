#pragma once

#include "ui/Label.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <string>

// The documents' heading, shown in place of the add-document row when documents cannot
// be added: one caption for phones, one for tablets.
class CreateTransactionDocumentHeaderCell : public platform::ui::TableViewCell {
public:
    explicit CreateTransactionDocumentHeaderCell(const std::string& reuseIdentifier);

    void layoutSubviews() override;

    std::weak_ptr<platform::ui::Label> documentsLabelIphone;
    std::weak_ptr<platform::ui::Label> documentsLabelIpad;
};
