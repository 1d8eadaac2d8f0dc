#include "catalogue/FieldTable.h"

#include "catalogue/Errors.h"
#include "catalogue/Files.h"
#include "catalogue/RowSearch.h"
#include "catalogue/TxtTable.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"

#include <cerrno>
#include <cstring>
#include <limits>
#include <map>

namespace cvn {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// The tables read in the current event, with the load error of those that failed.
struct TReading {
    TFieldTable Table;
    std::string Error;
};
int ScopeDepth = 0;
std::map<std::string, TReading>& Readings() {
    static std::map<std::string, TReading> readings;
    return readings;
}

TReading Read(const std::string& fileName) {
    TReading reading;
    std::string bytes;
    if (!ReadTableFile(fileName, bytes, reading.Error)) {
        reading.Error = LoadErrorMessage(fileName, reading.Error);
        return reading;
    }
    // Fields are held as 32-bit offsets; no table comes near 4 GiB.
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        reading.Error = LoadErrorMessage(fileName, std::strerror(EFBIG));
        return reading;
    }
    reading.Table = TFieldTable::FromText(std::move(bytes));
    return reading;
}

TFieldTable LoadOnce(const std::string& fileName, TUserPrompts& prompts) {
    TReading fresh;
    const TReading* reading = &fresh;
    if (ScopeDepth > 0) {
        auto it = Readings().find(fileName);
        if (it == Readings().end()) {
            it = Readings().emplace(fileName, Read(fileName)).first;
        }
        reading = &it->second;
    } else {
        fresh = Read(fileName);
    }
    if (!reading->Error.empty()) {
        prompts.CatalogueError(reading->Error);
        return {};
    }
    return reading->Table;
}

} // namespace

TFieldTable TFieldTable::FromText(std::string bytes) {
    auto data = std::make_shared<TData>();
    data->Bytes = std::move(bytes);
    const std::string& b = data->Bytes;
    // Counted first, so that every list is allocated once at its final size.
    std::size_t separators = 0;
    std::size_t breaks = 0;
    for (const char c : b) {
        separators += c == '|';
        breaks += c == '\n' || c == '\r';
    }
    data->Fields.reserve(separators + breaks + 1);
    data->Lines.reserve(breaks + 1);
    data->FirstField.reserve(breaks + 2);
    std::size_t lineStart = 0;
    std::size_t fieldStart = 0;
    const auto endField = [&](std::size_t end) {
        std::size_t first = fieldStart;
        std::size_t last = end;
        while (first < last && IsBlank(b[first])) {
            ++first;
        }
        while (last > first && IsBlank(b[last - 1])) {
            --last;
        }
        data->Fields.push_back(
            {static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(last)});
    };
    const auto endLine = [&](std::size_t end) {
        endField(end);
        data->Lines.push_back(
            {static_cast<std::uint32_t>(lineStart), static_cast<std::uint32_t>(end)});
    };
    const std::size_t n = b.size();
    data->FirstField.push_back(0);
    for (std::size_t i = 0; i < n; ++i) {
        const char c = b[i];
        if (c == '|') {
            endField(i);
            fieldStart = i + 1;
        } else if (c == '\r' || c == '\n') {
            endLine(i);
            if (c == '\r' && i + 1 < n && b[i + 1] == '\n') {
                ++i;
            }
            lineStart = fieldStart = i + 1;
            data->FirstField.push_back(static_cast<std::uint32_t>(data->Fields.size()));
        }
    }
    // A break after the last line adds no row.
    if (lineStart < n) {
        endLine(n);
        data->FirstField.push_back(static_cast<std::uint32_t>(data->Fields.size()));
    }
    TFieldTable table;
    table.Data = std::move(data);
    return table;
}

void TFieldTable::DeleteHeader() {
    if (RowCount() > 0) {
        ++FirstRow;
    }
}

void TFieldTable::RaiseRowOutOfRange(int row) {
    RaiseListIndex(row);
}

TFieldTable LoadFieldTable(const std::string& name, TUserPrompts& prompts) {
    TFieldTable table = LoadOnce(DataPath + name, prompts);
    table.DeleteHeader();
    return table;
}

TFieldTable LoadFieldTableWithHeader(const std::string& name, TUserPrompts& prompts) {
    return LoadOnce(DataPath + name, prompts);
}

TTableReadScope::TTableReadScope() {
    if (ScopeDepth++ == 0) {
        Readings().clear();
    }
}

TTableReadScope::~TTableReadScope() {
    if (--ScopeDepth == 0) {
        Readings().clear();
    }
}

namespace {

std::string_view FieldOf(const TFieldTable& table, int row, int column) {
    return table.GetField(row, column);
}

} // namespace

int FindRow(const TFieldTable& table, int column, std::string_view key, int fromRow) {
    return FirstRowWithKeys(table, FieldOf, {{column, key}}, fromRow);
}

int FindRow(const TFieldTable& table, std::initializer_list<std::pair<int, std::string_view>> keys,
            int fromRow) {
    return FirstRowWithKeys(table, FieldOf, keys, fromRow);
}

} // namespace cvn
