#pragma once

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/View.h"

#include <array>
#include <memory>
#include <string>

// The card of the add/edit recipient page from which a recipient's details are filled:
// the signed-in user, a device contact or a signing group, one item each (an icon, a text
// and a button over both). Main thread only.
class AddSignerSourceMenu : public platform::ui::View {
public:
    static constexpr double width = 250;
    static constexpr double itemHeight = 50;
    static constexpr double height = 3 * itemHeight;

    struct Item {
        std::shared_ptr<platform::ui::Label> icon;
        std::shared_ptr<platform::ui::Label> label;
        std::shared_ptr<platform::ui::Button> button;
    };

    AddSignerSourceMenu();

    const Item& myself() const { return items_[0]; }
    const Item& contacts() const { return items_[1]; }
    const Item& groups() const { return items_[2]; }

    void layoutSubviews() override;

private:
    Item makeItem(const std::string& glyph, const std::string& text);

    std::array<Item, 3> items_;
    std::array<std::shared_ptr<platform::ui::View>, 2> dividers_;
};
