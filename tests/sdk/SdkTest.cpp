#include "SdkTest.h"

#include "foundation/Environment.h"
#include "graphics/PdfWriter.h"
#include "sdk/facade/VeltraStartUp.h"
#include "service/ZKIdentity.h"

#include <fstream>

namespace sdk_test {

void SdkTest::SetUp()
{
    FakeServiceTest::SetUp();
    VeltraStartUp::run();
    root = std::make_shared<platform::ui::ViewController>();
    navigation = std::make_shared<platform::ui::NavigationController>(root);
    window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
}

void SdkTest::TearDown()
{
    window.reset();
    navigation.reset();
    root.reset();
    FakeServiceTest::TearDown();
}

std::string SdkTest::writePdf(const std::string& name) const
{
    platform::graphics::PdfWriter writer;
    writer.beginPage({612, 792});
    const auto bytes = writer.finish();
    return writeFile(name, std::string(bytes->begin(), bytes->end()));
}

std::string SdkTest::writeFile(const std::string& name, const std::string& content) const
{
    const auto path = home() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

std::vector<std::filesystem::path> SdkTest::storedFiles() const
{
    std::vector<std::filesystem::path> files;
    const auto preferences = home() / "Library" / "Preferences";
    if (!std::filesystem::exists(preferences)) {
        return files;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(preferences)) {
        if (entry.is_regular_file() && entry.path().extension() == ".pdf") {
            files.push_back(entry.path());
        }
    }
    return files;
}

void SdkTest::signIn(const std::string& email)
{
    ZKIdentity::sharedInstance()->recordUser({{"email", email}, {"firstName", "Sam"}, {"lastName", "Sender"}});
}

} // namespace sdk_test
