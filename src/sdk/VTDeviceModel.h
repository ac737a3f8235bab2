#pragma once

#include <string>

// The model name of the device the host runs on, as the screen's device profile tells it:
// "iPad" for a tablet, "iPhone" for every phone.
class VTDeviceModel {
public:
    static std::string modelName();
    // Whether the model name contains "iPad".
    static bool isIPad();
};
