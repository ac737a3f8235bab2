#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

// The documents a list has already taken out of its table while the model still holds
// them, in the order they were taken out. Each is known by its name, which the model keeps
// unique among its documents, so the model may insert, move or drop others meanwhile and
// the right one still leaves. The table's rows are the model's documents without these,
// in the model's order. A value; one owner, one thread.
class PendingDocumentRemovals {
public:
    bool empty() const { return names_.empty(); }
    int count() const { return static_cast<int>(names_.size()); }

    // The model's documents, by name in the model's order, that the table shows.
    std::vector<std::string> shown(const std::vector<std::string>& modelNames) const;
    // The model's place of the document shown in the table's row; the model's count for
    // the row just past the last one shown (where a new document goes last).
    std::optional<int> modelRowForTableRow(int tableRow, const std::vector<std::string>& modelNames) const;

    void add(const std::string& name);
    // The model is about to remove the first document taken out: answers its place in the
    // model now and forgets it; nothing when the model no longer holds it.
    std::optional<int> takeFirst(const std::vector<std::string>& modelNames);

private:
    bool isPending(const std::string& name) const;

    std::deque<std::string> names_;
};
