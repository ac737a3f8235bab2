// Compiles the readable phone rules into "PhoneFormats.dat", with the calling code and
// trunk prefix of every region taken from libphonenumber's data.
// Usage: phonerules-compile <rules source> <output file>
#include "phonerules/PhoneFormatsWriter.h"
#include "phonerules/PhoneRulesParser.h"
#include "phonerules/RegionCatalog.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

std::string readText(const std::filesystem::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

// Written beside the target and renamed over it, so a failed run never leaves half a file.
void writeAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    const auto temporary = std::filesystem::path(path.string() + ".tmp");
    {
        std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
        stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!stream.flush())
            throw std::runtime_error("cannot write " + temporary.string());
    }
    std::filesystem::rename(temporary, path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: phonerules-compile <rules source> <output file>\n";
        return 2;
    }
    try {
        const auto source = phonerules::PhoneRulesParser::parse(readText(argv[1]));
        const auto regions = phonerules::RegionCatalog::allRegions();
        writeAtomically(argv[2], phonerules::PhoneFormatsWriter::write(source, regions));
        std::cout << "phone rules: " << regions.size() << " regions, " << source.callingCodes.size()
                  << " calling codes with rules\n";
    } catch (const std::exception& error) {
        std::cerr << argv[1] << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
