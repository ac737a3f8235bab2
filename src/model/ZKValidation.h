#pragma once

#include "model/VeltManagedObject.h"

#include <optional>
#include <string>
#include <vector>

class ZKElement;

// The validation of one element: whether it must be filled, its length limit, its list
// items (for a radio button, its group as the first entry) and its date pattern.
class ZKValidation : public VeltManagedObject {
public:
    ZKValidation() = default;
    Entity entity() const override { return Entity::Validation; }

    static std::shared_ptr<ZKValidation> insertNew();

    bool required() const { return required_; }
    void setRequired(bool value) { assign(required_, value); }
    const std::optional<int>& maxLength() const { return maxLength_; }
    void setMaxLength(std::optional<int> value) { assign(maxLength_, value); }
    const std::vector<std::string>& enumeration() const { return enumeration_; }
    void setEnumeration(std::vector<std::string> value) { assign(enumeration_, std::move(value)); }
    const std::optional<std::string>& pattern() const { return pattern_; }
    void setPattern(std::optional<std::string> value) { assign(pattern_, std::move(value)); }

    // The radio group: the first enumeration entry, empty when there is none.
    std::optional<std::string> groupName() const;

    std::shared_ptr<ZKElement> element() const { return element_.lock(); }
    // Used by ZKElement when it attaches the validation.
    void setElement(const std::shared_ptr<ZKElement>& element);

private:
    bool required_ = false;
    std::optional<int> maxLength_;
    std::vector<std::string> enumeration_;
    std::optional<std::string> pattern_;
    std::weak_ptr<ZKElement> element_;
};
