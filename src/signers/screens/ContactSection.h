#pragma once

#include "signers/screens/ContactPerson.h"

#include <memory>
#include <string>
#include <vector>

// One section of the contacts picker: the persons whose last names share a first letter.
struct ContactSection {
    std::string sectionTitle;
    std::vector<std::shared_ptr<const ContactPerson>> contactsInSection;
};
