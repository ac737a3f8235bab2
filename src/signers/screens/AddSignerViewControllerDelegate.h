#pragma once

// Told by the add/edit recipient page after it handed its recipient to the model. Held
// weakly by the page.
class AddSignerViewControllerDelegate {
public:
    virtual ~AddSignerViewControllerDelegate() = default;

    virtual void signerHasBeenAdded() = 0;
};
