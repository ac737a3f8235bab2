// The first keystroke on the SMS page in a process, as a sender reaches it: the composer
// opened first, some time spent there, then the SMS page. One iteration only, since the
// process pays for its first keystroke once; run the binary again for more samples, e.g.
//     for i in 1 2 3 4 5; do signers_screens_bench --benchmark_filter=firstSMSKeystroke; done
#include "composer/screens/CreateTransactionStoryboard.h"
#include "foundation/BackgroundWork.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "samples/HostWindow.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPage.h"
#include "signers/screens/SignerSetupScenes.h"
#include "ui/Storyboard.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

using Page = CreateTransactionSignerAuthenticationMethodSMSPage;

void firstSMSKeystroke(benchmark::State& state)
{
    const auto home = std::filesystem::temp_directory_path() / "veltra-first-sms-keystroke-bench";
    std::filesystem::create_directories(home);
    platform::Environment::setHomeDirectory(home);
    auto& loop = platform::RunLoop::main();
    loop.bindToCurrentThread();
    loop.useManualClock();
    const bench::HostWindow host;
    Veltra::dashboard()->createAndStartEditWithTransaction(std::make_shared<VTTransaction>(), true, true, true);
    loop.advance(1);
    // A person takes longer than this to reach the SMS page; what the composer started
    // in the background is done by then.
    for (int waited = 0; waited < 2000 && platform::BackgroundWork::inFlight() > 0; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const auto page = std::dynamic_pointer_cast<Page>(
        CreateTransactionStoryboard::named()->instantiateViewController(SignerSetupScenes::smsPageScene));
    host.navigation->pushViewController(page, false);
    loop.advance(1);
    host.window->layoutIfNeeded();
    const auto field = page->cellPhoneTextField.lock();
    field->becomeFirstResponder();
    for (auto _ : state) {
        field->insertText("6");
    }
    benchmark::DoNotOptimize(field->text());
    std::filesystem::remove_all(home);
}
BENCHMARK(firstSMSKeystroke)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
