#include "ComposerWindow.h"

#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "graphics/ImageContext.h"
#include "sdk/facade/Veltra.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace composer_bench {

namespace {

std::filesystem::path benchHome()
{
    return std::filesystem::temp_directory_path() / "veltra-composer-screens-bench";
}

bench::HostWindow hostInFreshHome()
{
    std::filesystem::create_directories(benchHome());
    platform::Environment::setHomeDirectory(benchHome());
    auto& loop = platform::RunLoop::main();
    loop.bindToCurrentThread();
    loop.useManualClock();
    return bench::HostWindow();
}

} // namespace

ComposerWindow::ComposerWindow()
    : host_(hostInFreshHome()), navigation(host_.navigation), window(host_.window)
{
}

ComposerWindow::~ComposerWindow()
{
    std::error_code ignored;
    std::filesystem::remove_all(benchHome(), ignored);
}

std::shared_ptr<CreateTransactionAddDocsAndSignersPage> ComposerWindow::open(
    const std::shared_ptr<VTTransaction>& transaction)
{
    Veltra::dashboard()->createAndStartEditWithTransaction(transaction, true, true, true);
    settle();
    return page();
}

std::shared_ptr<CreateTransactionAddDocsAndSignersPage> ComposerWindow::page() const
{
    return std::dynamic_pointer_cast<CreateTransactionAddDocsAndSignersPage>(navigation->topViewController());
}

void ComposerWindow::close()
{
    navigation->popToRootViewController(false);
    settle();
}

void ComposerWindow::settle(double seconds)
{
    platform::RunLoop::main().advance(seconds);
    window->layoutIfNeeded();
}

void ComposerWindow::draw() const
{
    platform::graphics::ImageContext image(window->bounds().size, 1, true);
    window->render(image.context());
    benchmark::DoNotOptimize(image.image());
}

} // namespace composer_bench
