#pragma once

#include "store/StoreTestSupport.h"

#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "store/ZKTransactionMapper.h"
#include "ui/View.h"
#include "ui/Window.h"

#include <memory>
#include <string>
#include <vector>

namespace fields_testing {

// A stored draft of two documents without fields and two signers, and a window with a
// page-sized view to lay field views on.
class FieldsTest : public store_testing::StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        auto dictionary = store_testing::sampleTransaction("trx", 2, 0, 2);
        transaction = std::get<std::shared_ptr<ZKTransaction>>(
            ZKTransactionMapper::transactionFromDictionary(dictionary, *manager));
        EXPECT_FALSE(manager->save().has_value());
        window = std::make_shared<platform::ui::Window>();
        window->makeKeyAndVisible();
        page = std::make_shared<platform::ui::View>(platform::graphics::makeRect(0, 0, 375, 600));
        window->addSubview(page);
    }

    std::shared_ptr<ZKElement> addElement(std::size_t documentIndex, const std::string& type,
                                          const std::string& approval, const platform::graphics::Rect& frame)
    {
        auto element = ZKElement::insertNew();
        element->setIdent(type + std::to_string(++made));
        element->setType(type);
        element->setApproval(approval);
        element->setRoles({"role-0"});
        element->setFrame(frame);
        element->setPage(0);
        transaction->documents()[documentIndex]->addElement(element);
        return element;
    }

    std::shared_ptr<ZKElement> addRadio(std::size_t documentIndex, const std::string& approval,
                                        const std::vector<std::string>& enumeration, const std::string& content)
    {
        auto element = addElement(documentIndex, "Radio", approval,
                                  platform::graphics::makeRect(20, 20.0 * static_cast<double>(made), 14, 14));
        element->setContent(content);
        if (!enumeration.empty()) {
            element->initializeValidationIfNeeded();
            element->validation()->setEnumeration(enumeration);
        }
        return element;
    }

    std::shared_ptr<ZKTransaction> transaction;
    std::shared_ptr<platform::ui::Window> window;
    std::shared_ptr<platform::ui::View> page;
    int made = 0;
};

} // namespace fields_testing
