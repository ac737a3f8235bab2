#include "composer/screens/PendingDocumentRemovals.h"

#include <algorithm>

bool PendingDocumentRemovals::isPending(const std::string& name) const
{
    return std::find(names_.begin(), names_.end(), name) != names_.end();
}

std::vector<std::string> PendingDocumentRemovals::shown(const std::vector<std::string>& modelNames) const
{
    std::vector<std::string> names;
    std::copy_if(modelNames.begin(), modelNames.end(), std::back_inserter(names),
                 [this](const std::string& name) { return !isPending(name); });
    return names;
}

std::optional<int> PendingDocumentRemovals::modelRowForTableRow(int tableRow,
                                                                const std::vector<std::string>& modelNames) const
{
    int shownRow = 0;
    for (std::size_t modelRow = 0; modelRow < modelNames.size(); ++modelRow) {
        if (isPending(modelNames[modelRow])) {
            continue;
        }
        if (shownRow == tableRow) {
            return static_cast<int>(modelRow);
        }
        ++shownRow;
    }
    if (shownRow == tableRow) {
        return static_cast<int>(modelNames.size());
    }
    return std::nullopt;
}

void PendingDocumentRemovals::add(const std::string& name)
{
    names_.push_back(name);
}

std::optional<int> PendingDocumentRemovals::takeFirst(const std::vector<std::string>& modelNames)
{
    if (names_.empty()) {
        return std::nullopt;
    }
    const std::string name = names_.front();
    names_.pop_front();
    const auto found = std::find(modelNames.begin(), modelNames.end(), name);
    if (found == modelNames.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - modelNames.begin());
}
