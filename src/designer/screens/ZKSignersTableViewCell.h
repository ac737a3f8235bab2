#pragma once

#include "designer/screens/ZKPanelListCell.h"
#include "designer/screens/ZKSignerTableViewCellDelegate.h"
#include "designer/screens/ZKSignersTableViewCellDelegate.h"

#include <memory>
#include <string>
#include <vector>

class ZKParticipant;

// Row 1 of the side panel: the signers the sender may switch to, one inner row each.
// A tapped signer is reported by its uid, and its row flashes. Main thread only.
class ZKSignersTableViewCell : public ZKPanelListCell, public ZKSignerTableViewCellDelegate {
public:
    static constexpr const char* identifier = "signersTableViewCell";

    explicit ZKSignersTableViewCell(const std::string& reuseIdentifier = identifier);

    std::shared_ptr<ZKSignersTableViewCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<ZKSignersTableViewCellDelegate>& delegate) { delegate_ = delegate; }

    const std::vector<std::shared_ptr<ZKParticipant>>& participants() const { return participants_; }
    // Shows the signers, each in the look isInShrinkedMode() gives.
    void setParticipants(const std::vector<std::shared_ptr<ZKParticipant>>& participants);

    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;

    void signerWasSelectedWithIndex(long index) override;

    // Outlet.
    std::weak_ptr<platform::ui::TableView> signersTableView;

private:
    std::vector<std::shared_ptr<ZKParticipant>> participants_;
    std::weak_ptr<ZKSignersTableViewCellDelegate> delegate_;
};
