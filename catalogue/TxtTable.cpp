#include "catalogue/TxtTable.h"

#include "catalogue/Encoding.h"
#include "catalogue/Errors.h"
#include "catalogue/Files.h"
#include "catalogue/RowSearch.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"

namespace cvn {

TTxtTable TTxtTable::CreateFromFile(const std::string& fileName, TUserPrompts& prompts) {
    TTxtTable table;
    std::string bytes;
    std::string error;
    if (!ReadTableFile(fileName, bytes, error)) {
        prompts.CatalogueError(LoadErrorMessage(fileName, error));
        return table;
    }
    table.Lines = SplitLines(bytes);
    return table;
}

void TTxtTable::Assign(const TTxtTable& source) {
    Separator = source.Separator;
    Lines = source.Lines;
}

void TTxtTable::DeleteHeader() {
    if (!Lines.empty()) {
        Lines.erase(Lines.begin());
    }
}

const std::string& TTxtTable::Line(int row) const {
    if (row < 0 || row >= RowCount()) {
        RaiseListIndex(row);
    }
    return Lines[static_cast<std::size_t>(row)];
}

std::string TTxtTable::GetField(int row, int column) const {
    return std::string(FieldView(row, column));
}

std::string_view TTxtTable::FieldView(int row, int column) const {
    const std::string_view line = Line(row);
    if (column <= 0) {
        return {};
    }
    // Column n runs from after the (n - 1)-th separator to the n-th or the line's end;
    // a line with fewer separators has no such column.
    std::size_t fieldStart = 0;
    for (int c = 1; c < column; ++c) {
        const std::size_t sep = line.find(Separator, fieldStart);
        if (sep == std::string::npos) {
            return {};
        }
        fieldStart = sep + 1;
    }
    std::size_t fieldEnd = line.find(Separator, fieldStart);
    if (fieldEnd == std::string::npos) {
        fieldEnd = line.size();
    }
    while (fieldStart < fieldEnd && static_cast<unsigned char>(line[fieldStart]) <= 32) {
        ++fieldStart;
    }
    while (fieldEnd > fieldStart && static_cast<unsigned char>(line[fieldEnd - 1]) <= 32) {
        --fieldEnd;
    }
    return line.substr(fieldStart, fieldEnd - fieldStart);
}

void TTxtTable::GetColumn(int column, TStrings& target) const {
    target.clear();
    target.reserve(Lines.size());
    for (int r = 0; r < RowCount(); ++r) {
        target.push_back(GetField(r, column));
    }
}

void TTxtTable::SplitRow(int row, TStrings& target) const {
    const std::string& line = Line(row);
    target.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = line.find(Separator, start);
        if (sep == std::string::npos) {
            target.push_back(line.substr(start));
            return;
        }
        target.push_back(line.substr(start, sep - start));
        start = sep + 1;
    }
}

std::string TTxtTable::JoinFields(const TStrings& fields) const {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += Separator;
        }
        out += fields[i];
    }
    return out;
}

void TTxtTable::SetField(int row, int column, const std::string& value) {
    TStrings fields;
    SplitRow(row, fields);
    if (column < 1 || column > static_cast<int>(fields.size())) {
        RaiseListIndex(column - 1);
    }
    fields[static_cast<std::size_t>(column - 1)] = value;
    Lines[static_cast<std::size_t>(row)] = JoinFields(fields);
}

bool ReadTableFile(const std::string& fileName, std::string& bytes, std::string& errorText) {
    if (!ReadWholeFile(fileName, bytes, errorText)) {
        return false;
    }
    if (const std::string reason = NotWin1252Reason(bytes); !reason.empty()) {
        errorText = OwnName(fileName) + " " + reason;
        bytes.clear();
        return false;
    }
    return true;
}

std::string LoadErrorMessage(const std::string& fileName, const std::string& errorText) {
    return "Error loading \"" + fileName + "\" with error message, \"" + errorText + "\".";
}

TTxtTable LoadDataTable(const std::string& name, TUserPrompts& prompts) {
    TTxtTable table = TTxtTable::CreateFromFile(DataPath + name, prompts);
    table.DeleteHeader();
    return table;
}

namespace {

std::string_view FieldOf(const TTxtTable& table, int row, int column) {
    return table.FieldView(row, column);
}

} // namespace

int FindRow(const TTxtTable& table, int column, const std::string& key, int fromRow) {
    return FirstRowWithKeys(table, FieldOf, {{column, key}}, fromRow);
}

int FindRow(const TTxtTable& table, std::initializer_list<std::pair<int, std::string_view>> keys,
            int fromRow) {
    return FirstRowWithKeys(table, FieldOf, keys, fromRow);
}

} // namespace cvn
