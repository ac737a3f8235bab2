#pragma once

#include <string>

// What the radio group list tells the screen that opened it.
class ZKRadioGroupSettingsVCDelegate {
public:
    virtual ~ZKRadioGroupSettingsVCDelegate() = default;

    virtual void userDidSelectGroup(const std::string& name) = 0;
    virtual void userDidDeleteGroupAtIndex(int index) = 0;
    virtual void userDidAddNewGroup(const std::string& name) = 0;
};
