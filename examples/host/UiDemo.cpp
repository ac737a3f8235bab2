// The toolkit on its own: a small recipients screen (a titled list and a button) put in
// a window, tapped by the touch injector, and drawn to a PNG.
#include "DemoRegistry.h"
#include "DemoWalk.h"

#include "ui/Button.h"
#include "ui/NavigationController.h"
#include "ui/TableView.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <iostream>

namespace {

using namespace platform::ui;
using platform::graphics::makeRect;

class RecipientsScreen : public ViewController, public TableViewDataSource, public TableViewDelegate {
public:
    std::shared_ptr<TableView> table;
    std::shared_ptr<Button> next;

    void viewDidLoad() override
    {
        setTitle("Recipients");
        const auto shared = std::dynamic_pointer_cast<RecipientsScreen>(shared_from_this());
        table = std::make_shared<TableView>(TableViewStyle::plain);
        table->registerCell("recipient", [] { return std::make_shared<TableViewCell>("recipient"); });
        table->setDataSource(shared);
        table->setDelegate(shared);
        view()->addSubview(table);
        next = std::make_shared<Button>();
        next->setTitle("Next");
        next->titleLabel()->setFont(Font::boldSystemFont(17));
        next->setTitleColor(Color::white());
        next->setBackgroundColor(Color::systemBlue());
        next->layer().setCornerRadius(8);
        next->addAction(ControlEvent::touchUpInside, [](Control&) { std::cout << "Next tapped\n"; });
        view()->addSubview(next);
    }

    void viewDidLayoutSubviews() override
    {
        const Rect area = view()->bounds();
        table->setFrame(makeRect(0, 0, area.width(), area.height() - 90));
        next->setFrame(makeRect(20, area.height() - 70, area.width() - 40, 50));
    }

    int numberOfRows(TableView&, int) override { return static_cast<int>(names_.size()); }
    TableViewCellPtr cellForRow(TableView& tableView, const IndexPath& indexPath) override
    {
        auto cell = tableView.dequeueReusableCell("recipient", indexPath);
        cell->textLabel()->setText(std::to_string(indexPath.row + 1) + ".  " + names_[indexPath.row]);
        return cell;
    }
    std::optional<double> heightForRow(TableView&, const IndexPath&) override { return 65.0; }
    void didSelectRow(TableView& tableView, const IndexPath& indexPath) override
    {
        std::cout << "Selected " << names_[indexPath.row] << "\n";
        tableView.deselectRow(indexPath, true);
    }

private:
    std::vector<std::string> names_{"Ada Lovelace", "Grace Hopper", "Edsger Dijkstra", "Barbara Liskov"};
};

const host::DemoRegistration registration(20, "User-interface toolkit", [](const host::DemoContext& context) {
    auto screen = std::make_shared<RecipientsScreen>();
    auto window = std::make_shared<Window>();
    window->setRootViewController(std::make_shared<NavigationController>(screen));
    window->makeKeyAndVisible();
    window->layoutIfNeeded();

    TouchInjector injector(window);
    injector.tap(*screen->table->cellForRow({0, 1}));
    injector.tap(*screen->next);

    const auto path = context.outputDirectory / "ui-demo.png";
    if (host::writeWindowPng(*window, path)) {
        std::cout << "Screen drawn to " << path.string() << "\n";
    } else {
        std::cout << "Could not write " << path.string() << "\n";
    }
});

} // namespace
