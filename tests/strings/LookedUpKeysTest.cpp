#include "foundation/StringsTable.h"
#include "foundation/Text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// Every key the SDK looks up in "LocalizableSDK" must have an entry, or the sender reads
// the key itself. The keys are found in the sources: the string literals in the arguments
// of localizedSDK and localizableKey, and in the first argument of a bundle's
// localizedString.
namespace {

const std::filesystem::path sourceRoot{VELTRA_SOURCE_DIR};

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The C++ escapes the keys use, undone so they compare with the parsed table.
std::string unescaped(const std::string& literal)
{
    std::string result;
    for (std::size_t index = 0; index < literal.size(); ++index) {
        if (literal[index] != '\\' || index + 1 == literal.size()) {
            result += literal[index];
            continue;
        }
        const char next = literal[++index];
        result += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return result;
}

// The literals of one call's arguments from just after its opening parenthesis up to the
// matching one (or the first top-level comma when only the first argument is a key);
// adjacent literals are joined as the compiler joins them.
class CallArguments {
public:
    CallArguments(const std::string& text, std::size_t start, bool firstArgumentOnly)
    {
        int depth = 1;
        bool joinNext = false;
        for (std::size_t index = start; index < text.size() && depth > 0; ++index) {
            const char character = text[index];
            if (character == '"') {
                index = readLiteral(text, index, joinNext);
                joinNext = true;
                continue;
            }
            if (std::isspace(static_cast<unsigned char>(character)) == 0) {
                joinNext = false;
            }
            depth += character == '(' ? 1 : character == ')' ? -1 : 0;
            if (character == ',' && depth == 1 && firstArgumentOnly) {
                break;
            }
        }
    }

    const std::vector<std::string>& literals() const { return literals_; }

private:
    std::size_t readLiteral(const std::string& text, std::size_t open, bool join)
    {
        std::size_t close = open + 1;
        while (close < text.size() && text[close] != '"') {
            close += text[close] == '\\' ? 2 : 1;
        }
        const auto literal = unescaped(text.substr(open + 1, close - open - 1));
        if (join && !literals_.empty()) {
            literals_.back() += literal;
        } else {
            literals_.push_back(literal);
        }
        return close;
    }

    std::vector<std::string> literals_;
};

std::set<std::string> lookedUpKeys()
{
    static const std::regex lookup(R"(\b(localizedSDK|localizableKey|localizedString)\s*\()");
    std::set<std::string> keys;
    for (const auto* folder : {"src", "platform"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(sourceRoot / folder)) {
            const auto extension = entry.path().extension();
            if (extension != ".cpp" && extension != ".h") {
                continue;
            }
            const auto text = readFile(entry.path());
            for (std::sregex_iterator call(text.begin(), text.end(), lookup), end; call != end; ++call) {
                const auto start = static_cast<std::size_t>(call->position() + call->length());
                const CallArguments arguments(text, start, (*call)[1] == "localizedString");
                keys.insert(arguments.literals().begin(), arguments.literals().end());
            }
        }
    }
    return keys;
}

} // namespace

TEST(LookedUpKeys, everyKeyTheSourcesLookUpHasAnEntryInTheTable)
{
    const auto table = platform::StringsTable::parse(readFile(sourceRoot / "resources" / "LocalizableSDK.strings"));
    ASSERT_TRUE(table);
    const auto keys = lookedUpKeys();
    ASSERT_GT(keys.size(), 50U);
    std::string missing;
    for (const auto& key : keys) {
        if (platform::text::utf16Length(key) >= 2 && !table->lookup(key)) {
            missing += "\"" + key + "\"\n";
        }
    }
    EXPECT_EQ(missing, "");
}
