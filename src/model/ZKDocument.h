#pragma once

#include "model/VeltManagedObject.h"

#include <string>
#include <string_view>
#include <vector>

class ZKElement;
class ZKTransaction;

// One PDF of a transaction with the elements placed on its pages.
class ZKDocument : public VeltManagedObject {
public:
    ZKDocument() = default;
    Entity entity() const override { return Entity::Document; }

    static std::shared_ptr<ZKDocument> insertNew();

    const std::string& ident() const { return ident_; }
    void setIdent(std::string value) { assign(ident_, std::move(value)); }
    // The name drops NUL and the bidirectional controls, which would make it show (and
    // upload) as another name.
    const std::string& name() const { return name_; }
    void setName(std::string_view value);
    int order() const { return order_; }
    void setOrder(int value) { assign(order_, value); }
    // The stored PDF's file name inside the transaction's folder (ZKFileManager); empty
    // while the document has none.
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string value) { assign(fileName_, std::move(value)); }

    std::shared_ptr<ZKTransaction> transaction() const { return transaction_.lock(); }
    // Elements in the order they were added.
    const std::vector<std::shared_ptr<ZKElement>>& elements() const { return elements_; }
    // Adds the element to this document, taking it from its previous one.
    void addElement(const std::shared_ptr<ZKElement>& element);
    // Deletes the element from the store.
    void removeElement(const std::shared_ptr<ZKElement>& element);

    // Used by ZKTransaction and ZKElement to keep both sides of a relation in step.
    void setTransaction(const std::shared_ptr<ZKTransaction>& transaction);
    void detachElement(const ZKElement* element);

private:
    std::string ident_;
    std::string name_;
    int order_ = 0;
    std::string fileName_;
    std::weak_ptr<ZKTransaction> transaction_;
    std::vector<std::shared_ptr<ZKElement>> elements_;
};
