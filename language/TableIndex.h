#pragma once

#include <string_view>
#include <unordered_map>
#include <vector>

// The rows of a constant table under each of their names, in table order, so that a
// lookup by name looks at the rows of that name only instead of at every row (the
// compiler looks names up several times for every statement). The names are the tables'
// own static texts, so the keys view them and a lookup copies nothing.
template <class Row>
class TableIndex {
public:
    // `names` gives the names a row carries; a row is listed once under each name.
    template <class Table, class Names>
    TableIndex(const Table& table, Names names) {
        for (const Row& row : table) {
            for (const char* name : names(row)) {
                std::vector<const Row*>& rows = m_rows[name];
                if (rows.empty() || rows.back() != &row)
                    rows.push_back(&row);
            }
        }
    }

    const std::vector<const Row*>& Rows(const char* name) const {
        static const std::vector<const Row*> none;
        const auto found = m_rows.find(std::string_view(name));
        return found == m_rows.end() ? none : found->second;
    }

private:
    std::unordered_map<std::string_view, std::vector<const Row*>> m_rows;
};
