#pragma once

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Switch.h"
#include "ui/TextField.h"
#include "ui/TextView.h"
#include "ui/View.h"

#include <memory>
#include <string>
#include <vector>

// The body of a field settings screen: captioned entries and switch rows stacked down
// its scroll view in the order they are added, centred and no wider than is easy to
// read. It also makes the controls in the screens' look. Main thread only.
class ZKFieldSettingsForm {
public:
    static constexpr double textFieldHeight = 44;
    static constexpr double maximumWidth = 600;
    // A text field draws its text this far in from its left edge. Captions, and the text of
    // entries that show a value as text, start there too, so a value lines up with its
    // caption while the entries' boxes keep one left edge.
    static constexpr double textInset = 4;

    explicit ZKFieldSettingsForm(std::shared_ptr<platform::ui::View> content) : content_(std::move(content)) {}

    // The caption above the control, which is `height` points high and as wide as the
    // form; the accessory button, when there is one, at the caption's right end.
    void addEntry(const std::string& caption, const std::shared_ptr<platform::ui::View>& control, double height,
                  const std::shared_ptr<platform::ui::Button>& accessory = nullptr);
    // A row with the caption on the left and the switch on the right.
    void addSwitch(const std::string& caption, const std::shared_ptr<platform::ui::Switch>& control);

    // How far in from each side of a content `width` wide the form's boxes stand: centred
    // and no wider than maximumWidth. Lists that run the full width start their text where
    // the boxes' text does by it.
    static double sideMargin(double width);

    // Lays the entries out below `top` in a content `width` wide; answers the height of
    // the content.
    double layout(double top, double width) const;

    static std::shared_ptr<platform::ui::TextField> makeTextField(int tag);
    static std::shared_ptr<platform::ui::TextView> makeTextView();
    static std::shared_ptr<platform::ui::Switch> makeSwitch();
    static std::shared_ptr<platform::ui::Button> makeClearButton();
    // White with a thin rounded border, as the form's entries are.
    static void frameAsEntry(platform::ui::View& control);

private:
    struct Entry {
        std::shared_ptr<platform::ui::Label> caption;
        std::shared_ptr<platform::ui::View> control;
        double height;
        std::shared_ptr<platform::ui::Button> accessory;
        // A switch row: the caption and the switch lie in it.
        std::shared_ptr<platform::ui::View> row;
    };

    static std::shared_ptr<platform::ui::Label> makeCaption(const std::string& caption);
    double layoutEntry(const Entry& entry, double x, double y, double width) const;
    double layoutSwitchRow(const Entry& entry, double x, double y, double width) const;

    std::shared_ptr<platform::ui::View> content_;
    std::vector<Entry> entries_;
};
