#include "signers/screens/CreateTransactionSignerContactCell.h"

#include "composer/screens/CreateTransactionLook.h"
#include "signers/screens/CreateTransactionSignerContactEmailCell.h"
#include "support/ZKColor.h"

using platform::graphics::Color;
using platform::graphics::makeRect;

namespace {

constexpr double pictureSize = 45;
constexpr double pictureLeading = 15;
constexpr double textLeading = 75;
constexpr double trailingMargin = 16;
// The person glyph of the icon font, shown when the contact has no picture.
constexpr const char* personGlyph = "p";

} // namespace

CreateTransactionSignerContactCell::CreateTransactionSignerContactCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
{
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    setClipsToBounds(true);
    contentView()->setClipsToBounds(true);
    makeSummary();
    makeEmailList();
}

void CreateTransactionSignerContactCell::makeSummary()
{
    auto picture = std::make_shared<platform::ui::ImageView>();
    picture->setContentMode(platform::ui::ContentMode::scaleAspectFill);
    picture->layer().setCornerRadius(pictureSize / 2);
    picture->setClipsToBounds(true);
    picture->layer().setBorderColor(Color::lightGray());
    picture->layer().setBorderWidth(0.5);
    auto icon = std::make_shared<platform::ui::Label>();
    icon->setFont(CreateTransactionLook::iconFont(26));
    icon->setText(std::string(personGlyph));
    icon->setTextColor(Color::white());
    icon->setTextAlignment(platform::graphics::TextAlignment::center);
    icon->setBackgroundColor(Color::lightGray());
    icon->layer().setCornerRadius(pictureSize / 2);
    icon->setClipsToBounds(true);
    auto name = std::make_shared<platform::ui::Label>();
    name->setFont(CreateTransactionLook::bodyFont());
    auto email = std::make_shared<platform::ui::Label>();
    email->setFont(platform::graphics::Font::systemFont(14));
    email->setTextColor(ZKColor::textLight());
    auto button = std::make_shared<platform::ui::Button>();
    for (const auto& view : std::initializer_list<platform::ui::ViewPtr>{picture, icon, name, email, button}) {
        contentView()->addSubview(view);
    }
    contactImageView = picture;
    contactIcon = icon;
    contactNameLabel = name;
    contactEmailLabel = email;
    selectionButton = button;
}

void CreateTransactionSignerContactCell::makeEmailList()
{
    auto list = std::make_shared<platform::ui::TableView>(platform::ui::TableViewStyle::plain);
    list->registerCell(CreateTransactionSignerContactEmailCell::cellIdentifier,
                       [] { return std::make_shared<CreateTransactionSignerContactEmailCell>(); });
    list->setRowHeight(emailRowHeight);
    contentView()->addSubview(list);
    tableView = list;
}

std::shared_ptr<CreateTransactionSignerContactCell> CreateTransactionSignerContactCell::self()
{
    return std::static_pointer_cast<CreateTransactionSignerContactCell>(shared_from_this());
}

void CreateTransactionSignerContactCell::awakeFromNib()
{
    const auto row = self();
    selectionButton.lock()->addTarget(row, platform::ui::ControlEvent::touchUpInside,
                                      [this](platform::ui::Control& sender) { cellSelectionButtonTapped(sender); });
    const auto list = tableView.lock();
    list->setDataSource(row);
    list->setDelegate(row);
}

void CreateTransactionSignerContactCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const double width = contentView()->bounds().width();
    const auto pictureFrame = makeRect(pictureLeading, (collapsedHeight - pictureSize) / 2, pictureSize, pictureSize);
    contactImageView.lock()->setFrame(pictureFrame);
    contactIcon.lock()->setFrame(pictureFrame);
    const double textWidth = std::max(0.0, width - textLeading - trailingMargin);
    contactNameLabel.lock()->setFrame(makeRect(textLeading, 9, textWidth, 22));
    contactEmailLabel.lock()->setFrame(makeRect(textLeading, 32, textWidth, 18));
    selectionButton.lock()->setFrame(makeRect(0, 0, width, collapsedHeight));
    const auto emailCount = static_cast<double>(emails.size());
    tableView.lock()->setFrame(makeRect(0, collapsedHeight, width, emailRowHeight * emailCount));
}

void CreateTransactionSignerContactCell::cellSelectionButtonTapped(platform::ui::Control&)
{
    if (const auto listener = delegate()) {
        listener->contactCellisTappedForSelection(*this);
    }
}

void CreateTransactionSignerContactCell::contactEmailCellSelected(CreateTransactionSignerContactEmailCell& cell)
{
    const auto indexPath = tableView.lock()->indexPathForCell(cell);
    if (!indexPath || indexPath->row >= static_cast<int>(emails.size())) {
        return;
    }
    if (const auto listener = delegate()) {
        listener->userDidSelectAnEmail(emails[static_cast<std::size_t>(indexPath->row)], *this);
    }
}

int CreateTransactionSignerContactCell::numberOfRows(platform::ui::TableView&, int)
{
    return static_cast<int>(emails.size());
}

platform::ui::TableViewCellPtr CreateTransactionSignerContactCell::cellForRow(platform::ui::TableView& table,
                                                                              const platform::ui::IndexPath& indexPath)
{
    auto cell = table.dequeueReusableCell(CreateTransactionSignerContactEmailCell::cellIdentifier, indexPath);
    const auto row = std::dynamic_pointer_cast<CreateTransactionSignerContactEmailCell>(cell);
    if (!row || indexPath.row >= static_cast<int>(emails.size())) {
        return std::make_shared<platform::ui::TableViewCell>();
    }
    row->emailLabel.lock()->setText(emails[static_cast<std::size_t>(indexPath.row)]);
    row->setDelegate(self());
    return row;
}

std::optional<double> CreateTransactionSignerContactCell::heightForRow(platform::ui::TableView&,
                                                                       const platform::ui::IndexPath&)
{
    return emailRowHeight;
}
