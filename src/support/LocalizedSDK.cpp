#include "support/LocalizedSDK.h"

#include "foundation/Bundle.h"
#include "foundation/Text.h"

std::string localizedSDK(const std::string& key)
{
    if (platform::text::utf16Length(key) < 2)
        return key;
    return platform::Bundle::main().localizedString(key, key, "LocalizableSDK");
}
