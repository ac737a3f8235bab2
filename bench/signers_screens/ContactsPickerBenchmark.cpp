// The contacts picker opened on an address book of 10,000 contacts: reading the cards,
// making the persons, building and sorting the sections, and laying out the first screen
// of rows on a phone.
#include "composer/screens/CreateTransactionStoryboard.h"
#include "contacts/ContactStoreSettings.h"
#include "contacts/VCardWriter.h"
#include "foundation/AtomicFile.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "graphics/Image.h"
#include "signers/screens/CreateTransactionSignerChooseContactPage.h"
#include "signers/screens/SignerSetupScenes.h"
#include "ui/Storyboard.h"
#include "ui/Window.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>

namespace {

constexpr int contactCount = 10'000;
// One contact in ten has a picture, one in three a second address.
constexpr int pictureEvery = 10;
constexpr int secondAddressEvery = 3;

const std::array<const char*, 12> givenNames{"Ann", "Bob", "Chloé", "David", "Eve", "Frank",
                                             "Grace", "Hiro", "Ines", "Jan", "Kai", "Łucja"};
const std::array<const char*, 16> familyNames{"Adams", "Brown", "Çelik", "Dubois", "Evans", "Fischer",
                                              "García", "Hughes", "Ivanova", "Jones", "König", "López",
                                              "Müller", "Nowak", "Øster", "Ramírez"};

std::vector<platform::contacts::Contact> addressBook()
{
    const auto picture = platform::graphics::Image(64, 64).pngData();
    std::vector<platform::contacts::Contact> contacts;
    contacts.reserve(contactCount);
    for (int index = 0; index < contactCount; ++index) {
        const std::string number = std::to_string(index);
        platform::contacts::Contact contact;
        contact.givenName = givenNames[static_cast<std::size_t>(index) % givenNames.size()];
        contact.familyName = std::string(familyNames[static_cast<std::size_t>(index * 7) % familyNames.size()]) + number;
        contact.emailAddresses.push_back({"work", "person" + number + "@example.com"});
        if (index % secondAddressEvery == 0) {
            contact.emailAddresses.push_back({"home", "person" + number + "@home.example"});
        }
        contact.organizationName = "Company " + std::to_string(index % 100);
        contact.jobTitle = "Manager";
        if (index % pictureEvery == 0) {
            contact.imageData = picture;
        }
        contacts.push_back(std::move(contact));
    }
    return contacts;
}

void openContactsPicker(benchmark::State& state)
{
    const auto home = std::filesystem::temp_directory_path() / "veltra-signers-screens-bench";
    std::filesystem::create_directories(home / "AddressBook");
    platform::Environment::setHomeDirectory(home);
    platform::AtomicFile::write(home / "AddressBook" / "contacts.vcf",
                                platform::contacts::VCardWriter::write(addressBook(),
                                                                       platform::contacts::VCardVersion::v3_0));
    const auto settings = platform::contacts::ContactStoreSettings::shared();
    settings->setDirectory(home / "AddressBook");
    settings->setAuthorizationStatus(platform::contacts::AuthorizationStatus::authorized);
    auto& loop = platform::RunLoop::main();
    loop.bindToCurrentThread();
    loop.useManualClock();
    CreateTransactionStoryboard::registerScenes();
    SignerSetupScenes::registerScenes();
    const auto storyboard = CreateTransactionStoryboard::named();
    const auto window = std::make_shared<platform::ui::Window>();
    window->makeKeyAndVisible();
    for (auto _ : state) {
        const auto page = std::dynamic_pointer_cast<CreateTransactionSignerChooseContactPage>(
            storyboard->instantiateViewController(SignerSetupScenes::contactsPageScene));
        window->setRootViewController(page);
        window->layoutIfNeeded();
        benchmark::DoNotOptimize(page->contactsTableView.lock()->visibleCells().size());
        state.PauseTiming();
        window->setRootViewController(nullptr);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(home);
}
BENCHMARK(openContactsPicker)->Unit(benchmark::kMillisecond);

} // namespace
