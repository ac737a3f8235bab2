#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

class ZKElement;

// One Save of a field settings screen: made before the screen writes into the element, it
// remembers what a screen may change (name, content, read-only flag, the validation
// record's values); store() then stores the writes all at once. When the store refuses,
// the element gets the remembered values back, so neither the page nor a later save shows
// or writes half of the edit, and the sender reads the store's reason in the shared error
// alert; the screen stays open. Main thread only, as the store is.
class ZKFieldSettingsSave {
public:
    explicit ZKFieldSettingsSave(std::shared_ptr<ZKElement> element);

    // Answers whether the element's changes are stored.
    bool store();

private:
    struct ValidationValues {
        bool required;
        std::optional<int> maxLength;
        std::vector<std::string> enumeration;
        std::optional<std::string> pattern;
    };

    void restore();

    std::shared_ptr<ZKElement> element_;
    std::string name_;
    std::string content_;
    bool readOnly_;
    std::optional<ValidationValues> validation_;
};
