#pragma once

#include "ui/ViewController.h"

#include <memory>

namespace platform::ui {
class Label;
}

class ZKTransaction;

// The hub screen of a transaction opened on the ceremony screens. Here it shows the
// transaction's name; the designer panel and the PDF viewer join it later.
class ZKMainViewController : public platform::ui::ViewController {
public:
    std::shared_ptr<ZKTransaction> transaction() const { return transaction_; }
    void setTransaction(const std::shared_ptr<ZKTransaction>& transaction);

    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return titleLabel_; }

    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;

private:
    void showTitle();

    std::shared_ptr<ZKTransaction> transaction_;
    std::shared_ptr<platform::ui::Label> titleLabel_;
};
