// One keystroke on the SMS page as the sender types a mobile number: the keyboard's
// insertion, the check of the text with libphonenumber, the layout by the bundled
// rules and the page's redraw state. Each iteration types a whole number into an
// emptied field a key at a time; the counter "keystroke" is the time of one key.
#include "composer/screens/CreateTransactionStoryboard.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "sdk/facade/Veltra.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPage.h"
#include "signers/screens/SignerSetupScenes.h"
#include "ui/NavigationController.h"
#include "ui/Storyboard.h"
#include "ui/Window.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Page = CreateTransactionSignerAuthenticationMethodSMSPage;

// A national number, international ones of three calling codes, and one typed in
// Arabic-Indic digits.
constexpr std::array<std::string_view, 5> kNumbers{"6502530000", "+442079460018", "+4930123456789", "+919876543210",
                                                   "٦٥٠٢٥٣٠٠٠٠"};

// The keys of a number: one UTF-8 character each.
std::vector<std::string> keysOf(std::string_view number)
{
    std::vector<std::string> keys;
    for (std::size_t start = 0; start < number.size();) {
        std::size_t end = start + 1;
        while (end < number.size() && (static_cast<unsigned char>(number[end]) & 0xC0) == 0x80) {
            ++end;
        }
        keys.emplace_back(number.substr(start, end - start));
        start = end;
    }
    return keys;
}

// The SMS page shown in a phone window, its field being edited.
struct Stage {
    Stage()
    {
        const auto home = std::filesystem::temp_directory_path() / "veltra-signers-screens-bench";
        std::filesystem::create_directories(home);
        platform::Environment::setHomeDirectory(home);
        auto& loop = platform::RunLoop::main();
        loop.bindToCurrentThread();
        loop.useManualClock();
        Veltra::dashboard();
        page = std::dynamic_pointer_cast<Page>(
            CreateTransactionStoryboard::named()->instantiateViewController(SignerSetupScenes::smsPageScene));
        navigation = std::make_shared<platform::ui::NavigationController>(page);
        window = std::make_shared<platform::ui::Window>();
        window->setRootViewController(navigation);
        window->makeKeyAndVisible();
        loop.advance(1);
        window->layoutIfNeeded();
        page->cellPhoneTextField.lock()->becomeFirstResponder();
    }

    std::shared_ptr<Page> page;
    std::shared_ptr<platform::ui::NavigationController> navigation;
    std::shared_ptr<platform::ui::Window> window;
};

void typeNumberOnThePage(benchmark::State& state)
{
    static Stage stage;
    const auto number = kNumbers[static_cast<std::size_t>(state.range(0))];
    const auto keys = keysOf(number);
    const auto field = stage.page->cellPhoneTextField.lock();
    for (auto _ : state) {
        field->setText("");
        for (const auto& key : keys) {
            field->insertText(key);
        }
        benchmark::DoNotOptimize(field->text());
    }
    state.counters["keystroke"] = benchmark::Counter(static_cast<double>(keys.size()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
    state.SetLabel(std::string(number) + " -> " + field->text());
}

} // namespace

BENCHMARK(typeNumberOnThePage)->DenseRange(0, static_cast<int>(kNumbers.size()) - 1)->Unit(benchmark::kMicrosecond);
