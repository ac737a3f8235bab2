#include "phonerules/RegionCatalog.h"

#include <phonenumbers/phonenumberutil.h>

#include <algorithm>
#include <set>
#include <string>

namespace phonerules {

std::vector<Region> RegionCatalog::allRegions()
{
    const auto& util = *i18n::phonenumbers::PhoneNumberUtil::GetInstance();
    std::set<std::string> codes;
    util.GetSupportedRegions(&codes);
    std::vector<Region> regions;
    for (const auto& code : codes) {
        Region region;
        region.country = code;
        std::transform(region.country.begin(), region.country.end(), region.country.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        region.callingCode = std::to_string(util.GetCountryCodeForRegion(code));
        std::string nationalPrefix;
        util.GetNddPrefixForRegion(code, true, &nationalPrefix);
        if (!nationalPrefix.empty())
            region.trunkPrefixes.push_back(nationalPrefix);
        regions.push_back(std::move(region));
    }
    return regions;
}

} // namespace phonerules
