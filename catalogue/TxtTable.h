#pragma once

#include "catalogue/TextUtils.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cvn {

class TUserPrompts;

// A catalogue table in memory: one line per row, fields separated by "|". Rows count
// from 0, columns from 1. The reader never interprets the first line; callers drop
// it with DeleteHeader when it is a title line.
class TTxtTable {
public:
    TStrings Lines;
    char Separator = '|';

    TTxtTable() = default;

    // Loads the whole file. When it cannot be read, tells the user through prompts
    // ("Error loading ...") and returns an empty table.
    static TTxtTable CreateFromFile(const std::string& fileName, TUserPrompts& prompts);

    void Assign(const TTxtTable& source);
    void DeleteHeader();
    int RowCount() const { return static_cast<int>(Lines.size()); }

    // The trimmed field; a column past the row's last field, or of 0 or less, gives
    // the empty text.
    std::string GetField(int row, int column) const;
    // The same field without a copy; valid until the row's line changes.
    std::string_view FieldView(int row, int column) const;
    void GetColumn(int column, TStrings& target) const;
    // Every field of the row, untrimmed; at least one.
    void SplitRow(int row, TStrings& target) const;
    std::string JoinFields(const TStrings& fields) const;
    // The column must lie between 1 and the row's number of fields.
    void SetField(int row, int column, const std::string& value);

private:
    const std::string& Line(int row) const;
};

// Reads a table file whole, as ReadWholeFile does, and refuses one that is not
// Windows-1252 text (errorText names the file and says why).
bool ReadTableFile(const std::string& fileName, std::string& bytes, std::string& errorText);

// The "Error loading ..." text for a file that could not be read.
std::string LoadErrorMessage(const std::string& fileName, const std::string& errorText);

// DataPath + name, loaded, header dropped: how every per-use table is opened.
TTxtTable LoadDataTable(const std::string& name, TUserPrompts& prompts);

// First row whose trimmed field in column equals key exactly, or -1.
int FindRow(const TTxtTable& table, int column, const std::string& key, int fromRow = 0);

// First row matching every (column, key) pair, compared in the order given, or -1.
int FindRow(const TTxtTable& table, std::initializer_list<std::pair<int, std::string_view>> keys,
            int fromRow = 0);

} // namespace cvn
