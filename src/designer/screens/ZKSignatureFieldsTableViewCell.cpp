#include "designer/screens/ZKSignatureFieldsTableViewCell.h"

#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKSignatureFieldTableViewCell.h"

ZKSignatureFieldsTableViewCell::ZKSignatureFieldsTableViewCell(const std::string& reuseIdentifier)
    : ZKPanelListCell(reuseIdentifier)
{
    signatureFieldsTableView = innerTable();
    innerTable()->registerCell(ZKSignatureFieldTableViewCell::identifier,
                               [] { return std::make_shared<ZKSignatureFieldTableViewCell>(); });
}

void ZKSignatureFieldsTableViewCell::setFormFields(const std::vector<std::shared_ptr<ZKPrepareFormField>>& formFields)
{
    formFields_ = formFields;
    innerTable()->reloadData();
}

void ZKSignatureFieldsTableViewCell::setEnableNonPrimaryFormFields(bool enable)
{
    enableNonPrimaryFormFields_ = enable;
    for (const auto& cell : innerTable()->visibleCells()) {
        const auto row = std::dynamic_pointer_cast<ZKSignatureFieldTableViewCell>(cell);
        if (!row) {
            continue;
        }
        if (isUsable(row->signatureFieldIndex)) {
            row->enableCellAnimatedCompletion(true, nullptr);
        } else {
            row->disableCellAnimatedCompletion(true, nullptr);
        }
    }
}

bool ZKSignatureFieldsTableViewCell::isUsable(long index) const
{
    if (enableNonPrimaryFormFields_) {
        return true;
    }
    return index >= 0 && index < static_cast<long>(formFields_.size()) &&
           formFields_[static_cast<std::size_t>(index)]->isPrimaryFieldType();
}

int ZKSignatureFieldsTableViewCell::numberOfRows(platform::ui::TableView&, int)
{
    return static_cast<int>(formFields_.size());
}

platform::ui::TableViewCellPtr ZKSignatureFieldsTableViewCell::cellForRow(platform::ui::TableView& table,
                                                                          const platform::ui::IndexPath& indexPath)
{
    const auto row = std::static_pointer_cast<ZKSignatureFieldTableViewCell>(
        table.dequeueReusableCell(ZKSignatureFieldTableViewCell::identifier, indexPath));
    const auto& field = *formFields_[static_cast<std::size_t>(indexPath.row)];
    row->leftSignatureFieldIcon.lock()->setText(field.fieldIcon());
    row->rightSignatureFieldIcon.lock()->setText(field.fieldIcon());
    row->signatureFieldDescriptionLabel.lock()->setText(field.fieldDescription());
    row->signatureFieldIndex = indexPath.row;
    row->setDelegate(std::dynamic_pointer_cast<ZKSignatureFieldTableViewCellDelegate>(shared_from_this()));
    giveLook(*row);
    if (isUsable(indexPath.row)) {
        row->enableCellAnimatedCompletion(false, nullptr);
    } else {
        row->disableCellAnimatedCompletion(false, nullptr);
    }
    return row;
}

void ZKSignatureFieldsTableViewCell::signatureFieldWasTappedAtIndex(long index)
{
    if (const auto row = std::dynamic_pointer_cast<ZKSignatureFieldTableViewCell>(visibleRow(index))) {
        row->animateTapped();
    }
    if (const auto listener = delegate()) {
        listener->signatureFieldWasTappedAtIndex(index);
    }
}
