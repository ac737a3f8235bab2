#pragma once

#include "model/VeltManagedObject.h"
#include "store/SqliteStatement.h"
#include "store/StoreColumnValue.h"
#include "store/StoreTableLayout.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// One table of the store, described once: which field of the entity each column holds
// and which object owns a row. The schema, the writer and the reader are all made from
// this description (see StoreTableLayout for the order of a row's columns). Immutable
// once made; binding and reading touch only the statement and the entity given.
template <class Entity>
class StoreTable {
public:
    struct Column {
        std::string name;
        const char* declaration;
        std::function<void(SqliteStatement&, int, const Entity&)> bind;
        // Empty for a column kept for lookups only, whose value the entity derives.
        std::function<void(Entity&, const SqliteStatement&, int)> read;
    };

    struct Owner {
        std::string table;
        std::string column;
        // The owning object; nullptr while there is none.
        std::function<std::shared_ptr<VeltManagedObject>(const Entity&)> of;
    };

    // A column holding the field that `get` answers and `set` takes.
    template <class Getter, class Setter>
    static Column field(std::string name, Getter get, Setter set)
    {
        using Value = std::decay_t<std::invoke_result_t<Getter, const Entity&>>;
        auto column = derived(std::move(name), get);
        column.read = [set](Entity& entity, const SqliteStatement& statement, int index) {
            std::invoke(set, entity, StoreColumnValue<Value>::read(statement, index));
        };
        return column;
    }

    // A column written for lookups and not read back: the entity derives its value.
    template <class Getter>
    static Column derived(std::string name, Getter get)
    {
        using Value = std::decay_t<std::invoke_result_t<Getter, const Entity&>>;
        return {std::move(name), StoreColumnValue<Value>::declaration,
                [get](SqliteStatement& statement, int index, const Entity& entity) {
                    StoreColumnValue<Value>::bind(statement, index, std::invoke(get, entity));
                },
                {}};
    }

    StoreTable(std::string name, std::optional<Owner> owner, std::vector<Column> columns)
        : owner_(std::move(owner)), columns_(std::move(columns)), layout_(std::move(name), ownerLayout(), columnLayouts())
    {
    }

    const StoreTableLayout& layout() const { return layout_; }

    // Binds the row id, the owner's id (NULL while the owner has none) and every column
    // to the parameters of layout().upsertSql().
    void bind(SqliteStatement& statement, const Entity& entity) const
    {
        statement.bind(1, entity.objectID());
        if (owner_) {
            const auto owner = owner_->of(entity);
            if (owner && owner->objectID() != 0) {
                statement.bind(2, owner->objectID());
            } else {
                statement.bindNull(2);
            }
        }
        for (std::size_t index = 0; index < columns_.size(); ++index) {
            columns_[index].bind(statement, parameterOf(index), entity);
        }
    }

    // Reads every column of a row selected with layout().selectList() into the entity.
    void read(const SqliteStatement& statement, Entity& entity) const
    {
        for (std::size_t index = 0; index < columns_.size(); ++index) {
            if (columns_[index].read) {
                columns_[index].read(entity, statement, layout_.firstColumn() + static_cast<int>(index));
            }
        }
    }

private:
    int parameterOf(std::size_t index) const { return layout_.firstColumn() + static_cast<int>(index) + 1; }

    std::optional<StoreTableLayout::Owner> ownerLayout() const
    {
        return owner_ ? std::optional(StoreTableLayout::Owner{owner_->table, owner_->column}) : std::nullopt;
    }

    std::vector<StoreTableLayout::Column> columnLayouts() const
    {
        std::vector<StoreTableLayout::Column> layouts;
        for (const auto& column : columns_) {
            layouts.push_back({column.name, column.declaration});
        }
        return layouts;
    }

    std::optional<Owner> owner_;
    std::vector<Column> columns_;
    StoreTableLayout layout_;
};
