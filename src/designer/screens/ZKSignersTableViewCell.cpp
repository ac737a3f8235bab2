#include "designer/screens/ZKSignersTableViewCell.h"

#include "designer/screens/ZKSignerBadge.h"
#include "designer/screens/ZKSignerTableViewCell.h"
#include "model/ZKParticipant.h"

ZKSignersTableViewCell::ZKSignersTableViewCell(const std::string& reuseIdentifier) : ZKPanelListCell(reuseIdentifier)
{
    signersTableView = innerTable();
    innerTable()->registerCell(ZKSignerTableViewCell::identifier,
                               [] { return std::make_shared<ZKSignerTableViewCell>(); });
}

void ZKSignersTableViewCell::setParticipants(const std::vector<std::shared_ptr<ZKParticipant>>& participants)
{
    participants_ = participants;
    innerTable()->reloadData();
}

int ZKSignersTableViewCell::numberOfRows(platform::ui::TableView&, int)
{
    return static_cast<int>(participants_.size());
}

platform::ui::TableViewCellPtr ZKSignersTableViewCell::cellForRow(platform::ui::TableView& table,
                                                                  const platform::ui::IndexPath& indexPath)
{
    const auto row = std::static_pointer_cast<ZKSignerTableViewCell>(
        table.dequeueReusableCell(ZKSignerTableViewCell::identifier, indexPath));
    const auto& participant = *participants_[static_cast<std::size_t>(indexPath.row)];
    row->signerIcon.lock()->setText(ZKSignerBadge::roleGlyph(participant));
    row->signerNameLabel.lock()->setText(participant.nameDisplay());
    row->signerCredentials.lock()->setText(ZKSignerBadge::initials(participant));
    row->signerIndex = indexPath.row;
    row->setDelegate(std::dynamic_pointer_cast<ZKSignerTableViewCellDelegate>(shared_from_this()));
    giveLook(*row);
    return row;
}

void ZKSignersTableViewCell::signerWasSelectedWithIndex(long index)
{
    if (index < 0 || index >= static_cast<long>(participants_.size())) {
        return;
    }
    // The panel may reload around this row while it hears of the tap.
    const auto keep = shared_from_this();
    if (const auto listener = delegate()) {
        listener->signerWasTapped(participants_[static_cast<std::size_t>(index)]->uid());
    }
    if (const auto row = std::dynamic_pointer_cast<ZKSignerTableViewCell>(visibleRow(index))) {
        row->animateTapped();
    }
}
