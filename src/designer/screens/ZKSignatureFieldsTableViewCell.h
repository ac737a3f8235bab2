#pragma once

#include "designer/screens/ZKPanelListCell.h"
#include "designer/screens/ZKSignatureFieldTableViewCellDelegate.h"
#include "designer/screens/ZKSignatureFieldsTableViewCellDelegate.h"

#include <memory>
#include <string>
#include <vector>

class ZKPrepareFormField;

// Row 2 of the side panel: the field palette, one inner row per item. The primary item
// (the signature) is always usable; the others only while enableNonPrimaryFormFields is
// set. A tapped item flashes and is reported by its index. Main thread only.
class ZKSignatureFieldsTableViewCell : public ZKPanelListCell, public ZKSignatureFieldTableViewCellDelegate {
public:
    static constexpr const char* identifier = "signatureFieldsTableViewCell";

    explicit ZKSignatureFieldsTableViewCell(const std::string& reuseIdentifier = identifier);

    std::shared_ptr<ZKSignatureFieldsTableViewCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<ZKSignatureFieldsTableViewCellDelegate>& delegate) { delegate_ = delegate; }

    const std::vector<std::shared_ptr<ZKPrepareFormField>>& formFields() const { return formFields_; }
    // Shows the items at once, in the look isInShrinkedMode() gives and usable as
    // enableNonPrimaryFormFields() says.
    void setFormFields(const std::vector<std::shared_ptr<ZKPrepareFormField>>& formFields);

    bool enableNonPrimaryFormFields() const { return enableNonPrimaryFormFields_; }
    // Keeps the flag and brings the items on screen to it with an animation.
    void setEnableNonPrimaryFormFields(bool enable);

    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;

    void signatureFieldWasTappedAtIndex(long index) override;

    // Outlet.
    std::weak_ptr<platform::ui::TableView> signatureFieldsTableView;

private:
    bool isUsable(long index) const;

    std::vector<std::shared_ptr<ZKPrepareFormField>> formFields_;
    bool enableNonPrimaryFormFields_ = false;
    std::weak_ptr<ZKSignatureFieldsTableViewCellDelegate> delegate_;
};
