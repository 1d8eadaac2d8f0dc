#include "orders/PriceAndDelivery.h"

#include "catalogue/Errors.h"
#include "catalogue/FieldTable.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"
#include "catalogue/cvnLib.h"

#include <cstdint>
#include <limits>
#include <type_traits>

namespace cvn {

namespace {

// Sums and products of money are taken wide and narrowed once, so that a table or a
// quantity too large for the money type is reported instead of wrapping around.
// (__extension__: the 128-bit type is the compiler's own.)
__extension__ typedef __int128 TWide;
__extension__ typedef unsigned __int128 TUnsignedWide;

std::string WideDecimalText(TWide raw) {
    const bool negative = raw < 0;
    TUnsignedWide magnitude =
        negative ? static_cast<TUnsignedWide>(-(raw + 1)) + 1 : static_cast<TUnsignedWide>(raw);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    if (digits.size() < 5) {
        digits.insert(0, 5 - digits.size(), '0');
    }
    digits.insert(digits.size() - 4, ".");
    return negative ? "-" + digits : digits;
}

// An amount that money cannot hold is reported like any other number that cannot be
// converted, and the lookup is abandoned.
TFixed Narrow(TWide raw) {
    if (raw > std::numeric_limits<std::int64_t>::max() ||
        raw < std::numeric_limits<std::int64_t>::min()) {
        RaiseInvalidFloat(WideDecimalText(raw));
    }
    return TFixed::FromRaw(static_cast<std::int64_t>(raw));
}

// One priced row of a price table. A value that is not a number, and a price that is
// negative or too large, is a data error naming the table and the row as counted in
// the file (the header is row 1): a quote is never made from it.
class TPriceRow {
public:
    TPriceRow(const TFieldTable& table, const char* file, int row)
        : Table(table), File(file), Row(row) {}

    TWide Money(int column) const {
        return Guard([&] { return TWide(TFixed::Parse(Table.GetField(Row, column)).Raw); });
    }
    std::int32_t Quantity(int column) const {
        return Guard([&] { return StrToInt(Table.GetField(Row, column)); });
    }
    TFixed Decimal(int column) const {
        return Guard([&] { return TFixed::Parse(Table.GetField(Row, column)); });
    }
    std::string Text(int column) const { return std::string(Table.GetField(Row, column)); }
    // The price of one piece.
    TFixed Price(TWide raw) const {
        const TFixed price = Guard([&] { return Narrow(raw); });
        if (price.Raw < 0) {
            throw EConvertError("Price " + price.FormatMoney(2) + " in " + Where() +
                                " is negative");
        }
        return price;
    }

private:
    const TFieldTable& Table;
    const char* File;
    int Row;

    std::string Where() const { return std::string(File) + " row " + std::to_string(Row + 2); }

    template <class F> std::invoke_result_t<F> Guard(F read) const {
        try {
            return read();
        } catch (const EConvertError& e) {
            throw EConvertError(std::string(e.what()) + " in " + Where());
        }
    }
};

bool IsGray(const std::string& partNumber, int familyType) {
    return PartField(partNumber, familyType, PartFieldNo::Finish) == "G";
}

bool InInches(const std::string& partNumber, int familyType) {
    return PartField(partNumber, familyType, PartFieldNo::Unit) == "P";
}

// A length code as a value: in inches the code counts tenths, so the point goes back
// before its last digit; in millimetres it is read as written. Text that is not a
// number counts 0, as the wizard never composes one.
TFixed LengthCodeValue(const std::string& code, bool inches) {
    std::string text = code;
    if (inches && !text.empty()) {
        text.insert(text.size() - 1, ".");
    }
    TFixed value;
    return TFixed::TryParse(text, value) ? value : TFixed();
}

// A length in billionths of an inch, exactly: millimetres times 0.03937 (the
// catalogue's factor) has five decimals, so nothing is lost and comparisons with a
// threshold or a whole number of feet are never off by a rounding.
TWide NanoInches(TFixed length, bool inches) {
    return inches ? TWide(length.Raw) * 100000 : TWide(length.Raw) * 3937;
}

TWide StartedFeet(TWide nanoInches) {
    const TWide foot = TWide(12) * 1000000000;
    TWide feet = nanoInches / foot;
    if (nanoInches % foot > 0) {
        ++feet;
    }
    return feet;
}

TPriceAndDelivery CoaxOrTwistPrice(const std::string& partNumber, int familyType,
                                   TUserPrompts& prompts) {
    TPriceAndDelivery result;
    const char* const file =
        familyType == FamilyType::Coax ? "CoaxPrice.tbl" : "RigidTwistPrice.tbl";
    const TFieldTable table = LoadFieldTable(file, prompts);
    const std::string waveguide = PartField(partNumber, familyType, PartFieldNo::Waveguide);
    const std::string band = PartField(partNumber, familyType, PartFieldNo::Band);
    const int row = FindRow(
        table, {{CoaxTwistPriceColumn::Waveguide, waveguide}, {CoaxTwistPriceColumn::Band, band}});
    if (row < 0) {
        return result;
    }
    const TPriceRow priced(table, file, row);
    TWide price = priced.Money(CoaxTwistPriceColumn::Price);
    result.DeliveryTime = priced.Text(CoaxTwistPriceColumn::Delivery);
    result.MaxQuantity = priced.Quantity(CoaxTwistPriceColumn::MaxQuantity);
    if (familyType == FamilyType::Twist && IsGray(partNumber, familyType)) {
        price += priced.Money(CoaxTwistPriceColumn::GraySurcharge);
    }
    result.Price = priced.Price(price);
    return result;
}

TPriceAndDelivery TaperedPrice(const std::string& partNumber, TUserPrompts& prompts) {
    TPriceAndDelivery result;
    const TFieldTable table = LoadFieldTable("TaperedTransitionPrice.tbl", prompts);
    const int row = FindRow(table, TaperPriceColumn::Waveguide,
                            PartField(partNumber, FamilyType::Tapered, PartFieldNo::Waveguide));
    if (row < 0) {
        return result;
    }
    const TPriceRow priced(table, "TaperedTransitionPrice.tbl", row);
    TWide price = priced.Money(TaperPriceColumn::Price);
    result.DeliveryTime = priced.Text(TaperPriceColumn::Delivery);
    result.MaxQuantity = priced.Quantity(TaperPriceColumn::MaxQuantity);
    if (IsGray(partNumber, FamilyType::Tapered)) {
        price += priced.Money(TaperPriceColumn::GraySurcharge);
    }
    result.Price = priced.Price(price);
    return result;
}

TPriceAndDelivery FlexTwistPrice(const std::string& partNumber, TUserPrompts& prompts) {
    constexpr int type = FamilyType::FlexTwist;
    TPriceAndDelivery result;
    const TFieldTable table = LoadFieldTable("FlexTwistPrice.tbl", prompts);
    const std::string waveguide = PartField(partNumber, type, PartFieldNo::Waveguide);
    const std::string unit = PartField(partNumber, type, PartFieldNo::Unit);
    // One row prices every band but the standard one.
    const std::string band =
        PartField(partNumber, type, PartFieldNo::Band) == "S" ? std::string("S") : "#";
    const std::string length = PartField(partNumber, type, PartFieldNo::Length);
    const int row = FindRow(table, {{FlexPriceColumn::Waveguide, waveguide},
                                    {FlexPriceColumn::Unit, unit},
                                    {FlexPriceColumn::Band, band},
                                    {FlexPriceColumn::Length, length}});
    if (row < 0) {
        return result;
    }
    const TPriceRow priced(table, "FlexTwistPrice.tbl", row);
    result.Price = priced.Price(priced.Money(FlexPriceColumn::Price));
    result.DeliveryTime = priced.Text(FlexPriceColumn::Delivery);
    result.MaxQuantity = priced.Quantity(FlexPriceColumn::MaxQuantity);
    return result;
}

// The character at a 1-based position, a start before the text counting as its first.
std::string CharAt(const std::string& text, int position) {
    if (text.empty()) {
        return {};
    }
    const int at = position < 1 ? 1 : position;
    return at > static_cast<int>(text.size()) ? std::string()
                                              : text.substr(static_cast<std::size_t>(at - 1), 1);
}

// Bend tables list sample part numbers: a row prices every part that differs from
// its sample only in the flanges.
bool SampleMatches(const std::string& sample, const std::string& partNumber, int familyType) {
    const int length = static_cast<int>(sample.size());
    if (CharAt(sample, length) != PartField(partNumber, familyType, PartFieldNo::Finish) ||
        CharAt(sample, length - 1) != PartField(partNumber, familyType, PartFieldNo::Band)) {
        return false;
    }
    for (const int field : {PartFieldNo::Unit, PartFieldNo::Length, PartFieldNo::LegB}) {
        if (PartField(sample, familyType, field) != PartField(partNumber, familyType, field)) {
            return false;
        }
    }
    return true;
}

TPriceAndDelivery BendPrice(const std::string& partNumber, int familyType, TUserPrompts& prompts) {
    TPriceAndDelivery result;
    const char* const file = familyType == FamilyType::EBend ? "EBendPrice.tbl" : "HBendPrice.tbl";
    const TFieldTable table = LoadFieldTable(file, prompts);
    const std::string waveguide = PartField(partNumber, familyType, PartFieldNo::Waveguide);
    for (int row = 0; row < table.RowCount(); ++row) {
        if (table.GetField(row, BendPriceColumn::Waveguide) != waveguide ||
            !SampleMatches(std::string(table.GetField(row, BendPriceColumn::Sample)), partNumber,
                           familyType)) {
            continue;
        }
        const TPriceRow priced(table, file, row);
        result.Price = priced.Price(priced.Money(BendPriceColumn::Price));
        result.DeliveryTime = priced.Text(BendPriceColumn::Delivery);
        result.MaxQuantity = priced.Quantity(BendPriceColumn::MaxQuantity);
        return result;
    }
    return result;
}

TPriceAndDelivery StraightPrice(const std::string& partNumber, TUserPrompts& prompts) {
    constexpr int type = FamilyType::Straight;
    TPriceAndDelivery result;
    const TFieldTable table = LoadFieldTable("StraightSectionPrice.tbl", prompts);
    const int row = FindRow(table, StraightPriceColumn::Waveguide,
                            PartField(partNumber, type, PartFieldNo::Waveguide));
    if (row < 0) {
        return result;
    }
    const TPriceRow priced(table, "StraightSectionPrice.tbl", row);
    const TWide base = priced.Money(StraightPriceColumn::BasePrice);
    const TWide perFoot = priced.Money(StraightPriceColumn::PerFoot);
    result.DeliveryTime = priced.Text(StraightPriceColumn::Delivery);
    result.MaxQuantity = priced.Quantity(StraightPriceColumn::MaxQuantity);
    const bool inches = InInches(partNumber, type);
    const TFixed length = LengthCodeValue(PartField(partNumber, type, PartFieldNo::Length), inches);
    TWide price = base + StartedFeet(NanoInches(length, inches)) * perFoot;
    if (IsGray(partNumber, type)) {
        price += priced.Money(StraightPriceColumn::GraySurcharge);
    }
    result.Price = priced.Price(price);
    return result;
}

TPriceAndDelivery MiterPrice(const std::string& partNumber, TUserPrompts& prompts) {
    // Both miters share one layout and one table.
    constexpr int type = FamilyType::MiterE;
    TPriceAndDelivery result;
    const TFieldTable table = LoadFieldTable("MiterBendPrice.tbl", prompts);
    const int row = FindRow(table, MiterPriceColumn::Waveguide,
                            PartField(partNumber, type, PartFieldNo::Waveguide));
    if (row < 0) {
        return result;
    }
    const TPriceRow priced(table, "MiterBendPrice.tbl", row);
    TWide price = priced.Money(MiterPriceColumn::BasePrice);
    result.DeliveryTime = priced.Text(MiterPriceColumn::Delivery);
    result.MaxQuantity = priced.Quantity(MiterPriceColumn::MaxQuantity);
    if (IsGray(partNumber, type)) {
        price += priced.Money(MiterPriceColumn::GraySurcharge);
    }
    if (PartField(partNumber, type, PartFieldNo::Band) != "S") {
        price += priced.Money(MiterPriceColumn::BandSurcharge);
    }
    const TFixed threshold = priced.Decimal(MiterPriceColumn::LegThreshold);
    const bool inches = InInches(partNumber, type);
    const TFixed legs = LengthCodeValue(PartField(partNumber, type, PartFieldNo::Length), inches) +
                        LengthCodeValue(PartField(partNumber, type, PartFieldNo::LegB), inches);
    if (NanoInches(legs, inches) > NanoInches(threshold, true)) {
        price += priced.Money(MiterPriceColumn::LongLegSurcharge);
    }
    result.Price = priced.Price(price);
    return result;
}

TPriceAndDelivery StepTwistPrice(const std::string& partNumber, TUserPrompts& prompts) {
    TPriceAndDelivery result;
    const TFieldTable table = LoadFieldTable("StepTwistPrice.tbl", prompts);
    const int row = FindRow(table, StepTwistPriceColumn::PartNumber, partNumber);
    if (row >= 0) {
        const TPriceRow priced(table, "StepTwistPrice.tbl", row);
        result.Price = priced.Price(priced.Money(StepTwistPriceColumn::Price));
    }
    // Step-twists are built to order: the table never promises a delivery.
    result.DeliveryTime = kContactRep;
    result.MaxQuantity = 0;
    return result;
}

} // namespace

TPriceAndDelivery LookupPrice(const std::string& partNumber, int familyType,
                              TUserPrompts& prompts) {
    switch (familyType) {
    case FamilyType::Coax:
    case FamilyType::Twist:
        return CoaxOrTwistPrice(partNumber, familyType, prompts);
    case FamilyType::EBend:
    case FamilyType::HBend:
        return BendPrice(partNumber, familyType, prompts);
    case FamilyType::FlexTwist:
        return FlexTwistPrice(partNumber, prompts);
    case FamilyType::MiterH:
    case FamilyType::MiterE:
        return MiterPrice(partNumber, prompts);
    case FamilyType::Straight:
        return StraightPrice(partNumber, prompts);
    case FamilyType::StepTwist:
        return StepTwistPrice(partNumber, prompts);
    case FamilyType::Tapered:
        return TaperedPrice(partNumber, prompts);
    default:
        // Pressure windows have no price table; unrecognised parts cannot have one.
        return {};
    }
}

TPriceTexts PriceAndDeliveryTexts(const std::string& partNumber, int quantity,
                                  TUserPrompts& prompts) {
    const int familyType = FamilyTypeOf(partNumber, prompts);
    if (familyType == FamilyType::Unknown) {
        return {kNotAvailable, kContactRep};
    }
    const TPriceAndDelivery found = LookupPrice(partNumber, familyType, prompts);
    // A price of 0 cannot be told from a miss.
    if (found.Price.Raw == 0) {
        return {kNotAvailable, kContactRep};
    }
    TPriceTexts texts;
    texts.Price = Narrow(TWide(found.Price.Raw) * quantity).FormatMoney(2);
    texts.Delivery = found.MaxQuantity != 0 && quantity <= found.MaxQuantity
                         ? found.DeliveryTime
                         : std::string(kContactRep);
    return texts;
}

} // namespace cvn
