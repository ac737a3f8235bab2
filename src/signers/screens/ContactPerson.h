#pragma once

#include "contacts/Contact.h"
#include "graphics/Image.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One person of the device's address book as the contacts picker lists it: names,
// e-mail addresses in the contact's order, picture, company and job title, all fixed when
// it is made. The picture is decoded the first time it is asked for, so that reading a
// large address book does not decode pictures nobody scrolls to. Main thread only.
class ContactPerson {
public:
    explicit ContactPerson(const platform::contacts::Contact& contact);

    const std::string& firstName() const { return firstName_; }
    const std::string& lastName() const { return lastName_; }
    const std::vector<std::string>& emails() const { return emails_; }
    // None when the contact has no image data or its data is no picture.
    const platform::graphics::ImagePtr& picture() const;
    const std::optional<std::string>& company() const { return company_; }
    const std::optional<std::string>& jobTitle() const { return jobTitle_; }

    // The title of the section the person is listed in: empty without a last name, "#"
    // for a last name that starts with a digit or one of the usual symbols, else the
    // upper-cased first character of the last name.
    std::string firstLetterOfName() const;
    // What the persons of one section are ordered by: first and last name, or the last
    // name alone when there is no first name.
    std::string sortKey() const;

private:
    std::string firstName_;
    std::string lastName_;
    std::vector<std::string> emails_;
    std::optional<std::string> company_;
    std::optional<std::string> jobTitle_;
    mutable std::optional<std::vector<std::uint8_t>> imageData_;
    mutable platform::graphics::ImagePtr picture_;
};
