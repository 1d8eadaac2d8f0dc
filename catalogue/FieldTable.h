#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cvn {

class TUserPrompts;

// A table file read for one operation: the file in one buffer of its size, split once
// into rows of trimmed fields. Fields are views into that buffer, so lookups compare
// without copying. Rows count from 0, columns from 1, with the reader's rules: a
// column past a row's last field, or of 0 or less, gives the empty text. Copies share
// the buffer and are cheap.
class TFieldTable {
public:
    TFieldTable() = default;

    // The table that a file holding these bytes gives.
    static TFieldTable FromText(std::string bytes);

    // Drops row 0 when there is one.
    void DeleteHeader();
    int RowCount() const { return Data ? static_cast<int>(Data->Lines.size()) - FirstRow : 0; }
    // The trimmed field; the view lives as long as any copy of the table. A column
    // past the row's last field reads as empty.
    std::string_view GetField(int row, int column) const {
        const std::size_t r = Row(row);
        if (column <= 0) {
            return {};
        }
        const std::size_t first = Data->FirstField[r];
        const std::size_t count = Data->FirstField[r + 1] - first;
        const std::size_t c = static_cast<std::size_t>(column);
        return c <= count ? View(Data->Fields[first + c - 1]) : std::string_view();
    }
    // The row's whole line as the file has it, untrimmed.
    std::string_view Line(int row) const { return View(Data->Lines[Row(row)]); }

private:
    struct TSpan {
        std::uint32_t Begin;
        std::uint32_t End;
    };
    struct TData {
        std::string Bytes;
        std::vector<TSpan> Lines;
        std::vector<TSpan> Fields;             // every row's fields, row after row
        std::vector<std::uint32_t> FirstField; // per row, then one past the last field
    };
    std::shared_ptr<const TData> Data;
    int FirstRow = 0;

    std::size_t Row(int row) const {
        if (row < 0 || row >= RowCount()) {
            RaiseRowOutOfRange(row);
        }
        return static_cast<std::size_t>(row + FirstRow);
    }
    std::string_view View(TSpan span) const {
        return std::string_view(Data->Bytes).substr(span.Begin, span.End - span.Begin);
    }
    [[noreturn]] static void RaiseRowOutOfRange(int row);
};

// DataPath + name, loaded, header dropped: how every per-use table is opened.
TFieldTable LoadFieldTable(const std::string& name, TUserPrompts& prompts);
// DataPath + name with its first line kept, for the readers that search it too.
TFieldTable LoadFieldTableWithHeader(const std::string& name, TUserPrompts& prompts);

// While one of these lives, a table loaded by the two functions above is read from its
// file once and handed out again to later loads; when the outermost one ends, every
// table is forgotten. Each user event opens one, so the handlers it runs share one
// reading of each table, and an edited file counts from the next event on. A table
// that could not be read reports its error again at every load, as a new reading would.
class TTableReadScope {
public:
    TTableReadScope();
    ~TTableReadScope();
    TTableReadScope(const TTableReadScope&) = delete;
    TTableReadScope& operator=(const TTableReadScope&) = delete;
};

// First row from fromRow whose trimmed field in column equals key exactly, or -1.
int FindRow(const TFieldTable& table, int column, std::string_view key, int fromRow = 0);

// First row matching every (column, key) pair, compared in the order given, or -1.
int FindRow(const TFieldTable& table, std::initializer_list<std::pair<int, std::string_view>> keys,
            int fromRow = 0);

} // namespace cvn
