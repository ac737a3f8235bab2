#pragma once

#include "designer/screens/ZKElementViewSettingsViewController.h"
#include "designer/screens/ZKFieldSettingsForm.h"
#include "designer/screens/ZKFieldSettingsTopBar.h"
#include "ui/Label.h"
#include "ui/ScrollView.h"
#include "ui/Switch.h"
#include "ui/TableView.h"
#include "ui/TextField.h"

#include <array>
#include <memory>
#include <string>

// The settings of a date field (element view ZKDateInputField): name, required, and the
// pattern its date is written in, one of four, with today's date in the pattern shown as
// an example. Patterns are UTS #35 date patterns as stored: "YYYY" is the week-based
// year, so the example in the last days of December may show the next year. A stored
// pattern that is none of the four selects no row; Save then stores the first. Save
// writes without checks; Cancel writes nothing. Main thread only.
class ZKDateInputSettingsViewController : public ZKElementViewSettingsViewController,
                                          public platform::ui::TableViewDataSource,
                                          public platform::ui::TableViewDelegate {
public:
    static constexpr const char* screenNameReported = "Date Field Settings Page";
    static constexpr const char* unwindSegueIdentifier = "unwindFromDateSettingsToMainPageSDK";
    static constexpr const char* cellIdentifier = "formatCell";
    static constexpr std::array<const char*, 4> patterns{"YYYY-MM-dd", "YYYY-dd-MM", "MM-dd-YYYY", "dd-MM-YYYY"};

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidLayoutSubviews() override;

    // "e.g " and today's date in the pattern, in the device's locale and time zone.
    static std::string dateExampleForFormat(const std::string& pattern);

    // Actions.
    void doneBtnAction(platform::ui::Control& sender);
    void saveButtonTapped(platform::ui::Control& sender) { doneBtnAction(sender); }
    void closeBtnAction(platform::ui::Control& sender);
    // Back to the hub with no sender.
    void unwindNavigation();

    // Table.
    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;
    void didSelectRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;

    std::weak_ptr<platform::ui::View> statusBar;
    std::weak_ptr<platform::ui::Label> errorLabel;
    std::shared_ptr<platform::ui::TextField> fieldName = ZKFieldSettingsForm::makeTextField(1);
    std::shared_ptr<platform::ui::TableView> formatListTableView;
    std::shared_ptr<platform::ui::Label> dateExample;
    std::shared_ptr<platform::ui::Switch> isRequiredSwitch = ZKFieldSettingsForm::makeSwitch();
    std::shared_ptr<platform::ui::Button> doneBtn;

    const std::shared_ptr<ZKFieldSettingsTopBar>& topBar() const { return topBar_; }

private:
    void makeBody(platform::ui::View& root);
    void wireActions();
    void fillControls();

    std::shared_ptr<ZKFieldSettingsTopBar> topBar_;
    // Scrolls where the form is taller than the screen (a phone on its side).
    std::shared_ptr<platform::ui::ScrollView> body_;
    std::unique_ptr<ZKFieldSettingsForm> form_;
};
