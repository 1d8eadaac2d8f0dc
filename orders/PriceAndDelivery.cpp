#include "orders/PriceAndDelivery.h"

#include "catalogue/Errors.h"
#include "catalogue/FieldTable.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"
#include "catalogue/cvnLib.h"

#include <cstdint>
#include <limits>

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

TWide Money(const TFieldTable& table, int row, int column) {
    return TFixed::Parse(table.GetField(row, column)).Raw;
}

std::int32_t Quantity(const TFieldTable& table, int row, int column) {
    return StrToInt(table.GetField(row, column));
}

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
    const TFieldTable table = LoadFieldTable(
        familyType == FamilyType::Coax ? "CoaxPrice.tbl" : "RigidTwistPrice.tbl", prompts);
    const std::string waveguide = PartField(partNumber, familyType, PartFieldNo::Waveguide);
    const std::string band = PartField(partNumber, familyType, PartFieldNo::Band);
    const int row = FindRow(
        table, {{CoaxTwistPriceColumn::Waveguide, waveguide}, {CoaxTwistPriceColumn::Band, band}});
    if (row < 0) {
        return result;
    }
    TWide price = Money(table, row, CoaxTwistPriceColumn::Price);
    result.DeliveryTime = table.GetField(row, CoaxTwistPriceColumn::Delivery);
    result.MaxQuantity = Quantity(table, row, CoaxTwistPriceColumn::MaxQuantity);
    if (familyType == FamilyType::Twist && IsGray(partNumber, familyType)) {
        price += Money(table, row, CoaxTwistPriceColumn::GraySurcharge);
    }
    result.Price = Narrow(price);
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
    TWide price = Money(table, row, TaperPriceColumn::Price);
    result.DeliveryTime = table.GetField(row, TaperPriceColumn::Delivery);
    result.MaxQuantity = Quantity(table, row, TaperPriceColumn::MaxQuantity);
    if (IsGray(partNumber, FamilyType::Tapered)) {
        price += Money(table, row, TaperPriceColumn::GraySurcharge);
    }
    result.Price = Narrow(price);
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
    result.Price = Narrow(Money(table, row, FlexPriceColumn::Price));
    result.DeliveryTime = table.GetField(row, FlexPriceColumn::Delivery);
    result.MaxQuantity = Quantity(table, row, FlexPriceColumn::MaxQuantity);
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
    const TFieldTable table = LoadFieldTable(
        familyType == FamilyType::EBend ? "EBendPrice.tbl" : "HBendPrice.tbl", prompts);
    const std::string waveguide = PartField(partNumber, familyType, PartFieldNo::Waveguide);
    for (int row = 0; row < table.RowCount(); ++row) {
        if (table.GetField(row, BendPriceColumn::Waveguide) != waveguide ||
            !SampleMatches(std::string(table.GetField(row, BendPriceColumn::Sample)), partNumber,
                           familyType)) {
            continue;
        }
        result.Price = Narrow(Money(table, row, BendPriceColumn::Price));
        result.DeliveryTime = table.GetField(row, BendPriceColumn::Delivery);
        result.MaxQuantity = Quantity(table, row, BendPriceColumn::MaxQuantity);
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
    const TWide base = Money(table, row, StraightPriceColumn::BasePrice);
    const TWide perFoot = Money(table, row, StraightPriceColumn::PerFoot);
    result.DeliveryTime = table.GetField(row, StraightPriceColumn::Delivery);
    result.MaxQuantity = Quantity(table, row, StraightPriceColumn::MaxQuantity);
    const bool inches = InInches(partNumber, type);
    const TFixed length = LengthCodeValue(PartField(partNumber, type, PartFieldNo::Length), inches);
    TWide price = base + StartedFeet(NanoInches(length, inches)) * perFoot;
    if (IsGray(partNumber, type)) {
        price += Money(table, row, StraightPriceColumn::GraySurcharge);
    }
    result.Price = Narrow(price);
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
    TWide price = Money(table, row, MiterPriceColumn::BasePrice);
    result.DeliveryTime = table.GetField(row, MiterPriceColumn::Delivery);
    result.MaxQuantity = Quantity(table, row, MiterPriceColumn::MaxQuantity);
    if (IsGray(partNumber, type)) {
        price += Money(table, row, MiterPriceColumn::GraySurcharge);
    }
    if (PartField(partNumber, type, PartFieldNo::Band) != "S") {
        price += Money(table, row, MiterPriceColumn::BandSurcharge);
    }
    const TFixed threshold = TFixed::Parse(table.GetField(row, MiterPriceColumn::LegThreshold));
    const bool inches = InInches(partNumber, type);
    const TFixed legs = LengthCodeValue(PartField(partNumber, type, PartFieldNo::Length), inches) +
                        LengthCodeValue(PartField(partNumber, type, PartFieldNo::LegB), inches);
    if (NanoInches(legs, inches) > NanoInches(threshold, true)) {
        price += Money(table, row, MiterPriceColumn::LongLegSurcharge);
    }
    result.Price = Narrow(price);
    return result;
}

TPriceAndDelivery StepTwistPrice(const std::string& partNumber, TUserPrompts& prompts) {
    TPriceAndDelivery result;
    const TFieldTable table = LoadFieldTable("StepTwistPrice.tbl", prompts);
    const int row = FindRow(table, StepTwistPriceColumn::PartNumber, partNumber);
    if (row >= 0) {
        result.Price = Narrow(Money(table, row, StepTwistPriceColumn::Price));
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
