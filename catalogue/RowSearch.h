#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>

namespace cvn {

// The first row, from fromRow on, whose trimmed fields equal every key (column, text);
// -1 when none. Both table types search this way and differ only in how a field is
// reached: field(table, row, column) gives it as a view.
template <class Table, class Field>
int FirstRowWithKeys(const Table& table, Field field,
                     std::initializer_list<std::pair<int, std::string_view>> keys, int fromRow) {
    for (int r = fromRow < 0 ? 0 : fromRow; r < table.RowCount(); ++r) {
        bool all = true;
        for (const auto& [column, key] : keys) {
            if (field(table, r, column) != key) {
                all = false;
                break;
            }
        }
        if (all) {
            return r;
        }
    }
    return -1;
}

} // namespace cvn
