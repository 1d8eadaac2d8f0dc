#include "catalogue/LengthLists.h"

#include "catalogue/Errors.h"
#include "catalogue/Fixed.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace cvn {

namespace {

TFixed PositiveStep(const TTxtTable& familyTable, int familyRow, int column) {
    const std::string text = familyTable.GetField(familyRow, column);
    const TFixed step = TFixed::Parse(text);
    if (step.Raw <= 0) {
        throw EConvertError("Length step '" + Quoted(text) + "' in Family.tbl row " +
                            std::to_string(familyRow + 2) + " must be greater than zero");
    }
    return step;
}

void Step(TStrings& items, TFixed start, TFixed end, TFixed step, int decimals) {
    if (end < start) {
        return;
    }
    // Counted before stepping, so that no sum ever passes the end of the range, however
    // near the top of the range the end lies.
    const std::uint64_t span =
        static_cast<std::uint64_t>(end.Raw) - static_cast<std::uint64_t>(start.Raw);
    const std::uint64_t count = span / static_cast<std::uint64_t>(step.Raw) + 1;
    if (count > static_cast<std::uint64_t>(kMaxLengthItems)) {
        throw EConvertError("Too many lengths from " + start.Format(decimals) + " to " +
                            end.Format(decimals) + " in steps of " + step.Format(4));
    }
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(count); ++i) {
        items.push_back((start + step * i).Format(decimals));
    }
}

// Whole millimetres as the lists count them.
TFixed WholeMillimetres(double mm) {
    return TFixed::FromInt(RoundHalfEven(mm));
}

} // namespace

std::string InchText(const std::string& tableText) {
    return TFixed::Parse(tableText).Format(1);
}

std::string MillimetreText(double mm) {
    return std::to_string(RoundHalfEven(mm));
}

bool TryLengthCode(const std::string& text, int digits, std::string& code) {
    std::string whole = text;
    if (const auto point = whole.find('.'); point != std::string::npos) {
        whole.erase(point, 1);
    }
    int n = 0;
    if (!TryStrToInt(whole, n)) {
        return false;
    }
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%.*d", digits, n);
    code = buffer;
    return true;
}

void CheckLengthRange(const TTxtTable& dimensions, int row) {
    // Inch columns are also shown in millimetres, so they must fit after conversion.
    for (const auto& [column, toMm] :
         {std::pair{3, 25.4}, {4, 25.4}, {5, 1.0}, {6, 25.4}, {7, 1.0}}) {
        const std::string text = dimensions.GetField(row, column);
        double value = 0;
        if (TryStrToFloat(text, value) &&
            !(std::fabs(value * toMm) <= static_cast<double>(TFixed::MaxWhole))) {
            throw EConvertError("Length '" + text + "' in Dimensions.tbl row " +
                                std::to_string(row + 2) + ", column " + std::to_string(column) +
                                ", is out of range");
        }
    }
}

TLengthLists BuildLengthLists(const TTxtTable& familyTable, int familyRow,
                              const TTxtTable& dimensions, const std::string& waveguideCode,
                              bool imperial) {
    TLengthLists lists;
    if (familyRow < 0 || familyRow >= familyTable.RowCount()) {
        return lists;
    }
    const std::string letter = familyTable.GetField(familyRow, FamilyColumn::Letter);
    const int row = FindRow(dimensions, {{DimensionsColumn::Letter, letter},
                                         {DimensionsColumn::Waveguide, waveguideCode}});
    if (row < 0) {
        return lists;
    }
    lists.Found = true;
    CheckLengthRange(dimensions, row);
    const TFixed inchStep = PositiveStep(familyTable, familyRow, FamilyColumn::InchStep);
    const TFixed mmStep = PositiveStep(familyTable, familyRow, FamilyColumn::MmStep);

    if (imperial) {
        lists.ImperialDefault = InchText(dimensions.GetField(row, DimensionsColumn::DefaultInches));
    } else {
        lists.MetricDefault =
            MillimetreText(StrToFloat(dimensions.GetField(row, DimensionsColumn::DefaultMm)));
    }

    const TFixed start =
        TFixed::Parse(InchText(dimensions.GetField(row, DimensionsColumn::MinInches)));
    const TFixed end =
        TFixed::Parse(InchText(dimensions.GetField(row, DimensionsColumn::MaxInches)));
    Step(lists.ImperialItems, start, end, inchStep, 1);

    const TFixed mmStart = WholeMillimetres(InchesToMm(start.ToDouble()));
    const TFixed mmEnd =
        WholeMillimetres(StrToFloat(dimensions.GetField(row, DimensionsColumn::MaxMm)));
    Step(lists.MetricItems, mmStart, mmEnd, mmStep, 0);
    return lists;
}

} // namespace cvn
