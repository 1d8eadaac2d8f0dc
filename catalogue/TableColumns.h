#pragma once

// Column numbers (from 1) of every table the program reads, named after what the
// column holds. The tables are read by position only, so these are the one place
// that says which position means what.

namespace cvn {

// Family.tbl: row i describes family type i.
namespace FamilyColumn {
constexpr int Letter = 1;
constexpr int Name = 2;
constexpr int InchStep = 3;
constexpr int MmStep = 4;
constexpr int Picture = 5;
constexpr int Photo = 6;
} // namespace FamilyColumn

// WGSize.tbl: the waveguide sizes.
namespace WGSizeColumn {
constexpr int Code = 1;
constexpr int WR = 2;
constexpr int Military = 4;
constexpr int British = 5;
constexpr int IEC = 6;
} // namespace WGSizeColumn

// Taper.tbl: the tapered-transition size pairs.
namespace TaperColumn {
constexpr int SmallCode = 1;
constexpr int LargeCode = 2;
constexpr int Name = 3;
constexpr int Sizes = 4; // small-end text, "-", large-end text
} // namespace TaperColumn

// The waveguide list, filled from WGSize.tbl or Taper.tbl, which agree on these
// columns; the name column differs (WaveguideNameColumn). The three detail columns
// are shown after the name: the US Military, British and IEC designations of a size,
// or the sizes text and two further texts of a taper.
namespace WaveguideColumn {
constexpr int Code = 1;
constexpr int SizeName = WGSizeColumn::WR;
constexpr int TaperName = TaperColumn::Name;
constexpr int Sizes = TaperColumn::Sizes;
constexpr int Detail1 = 4;
constexpr int Detail2 = 5;
constexpr int Detail3 = 6;
} // namespace WaveguideColumn

// Flange.tbl, and the flange lists filled from it.
namespace FlangeColumn {
constexpr int Code = 1;
constexpr int Waveguide = 2;
constexpr int Type = 3;
constexpr int Model = 4;
constexpr int Picture = 5;
} // namespace FlangeColumn

// CoaxType.tbl, and the coax list filled from it.
namespace CoaxTypeColumn {
constexpr int Code = 1;
constexpr int Name = 2;
} // namespace CoaxTypeColumn

// StepFlange.tbl: which flanges a step-twist size takes.
namespace StepFlangeColumn {
constexpr int Flange = 1;
constexpr int Waveguide = 2;
} // namespace StepFlangeColumn

// Dimensions.tbl: length ranges per family letter and waveguide.
namespace DimensionsColumn {
constexpr int Letter = 1;
constexpr int Waveguide = 2;
constexpr int MinInches = 3;
constexpr int MaxInches = 4;
constexpr int MaxMm = 5;
constexpr int DefaultInches = 6;
constexpr int DefaultMm = 7;
} // namespace DimensionsColumn

// FlexSpecs.tbl: flexible-twist default lengths per waveguide.
namespace FlexSpecsColumn {
constexpr int Waveguide = 1;
constexpr int DefaultInches = 2;
constexpr int DefaultMm = 3;
} // namespace FlexSpecsColumn

// FlexImperialLengths.tbl and FlexMetricLengths.tbl: one length per row.
namespace FlexLengthsColumn {
constexpr int Length = 1;
} // namespace FlexLengthsColumn

// Frequency.tbl, and the frequency lines built from it (the VSWR appended as column 4).
namespace FrequencyColumn {
constexpr int Waveguide = 1;
constexpr int Band = 2;
constexpr int Range = 3;
constexpr int Vswr = 4;
} // namespace FrequencyColumn

// WGVSWR.tbl.
namespace WGVSWRColumn {
constexpr int Letter = 1;
constexpr int Waveguide = 2;
constexpr int Band = 3;
constexpr int Vswr = 4;
} // namespace WGVSWRColumn

// FlexVSWR.tbl.
namespace FlexVSWRColumn {
constexpr int Waveguide = 1;
constexpr int Band = 2;
constexpr int Breakpoint = 3; // length breakpoint, inches
constexpr int Vswr = 4;
} // namespace FlexVSWRColumn

// CoaxVSWR.tbl.
namespace CoaxVSWRColumn {
constexpr int Waveguide = 1;
constexpr int Band = 2;
constexpr int Coax = 3;
constexpr int Vswr = 4;
} // namespace CoaxVSWRColumn

// PressureWindows.tbl.
namespace PressureWindowColumn {
constexpr int Waveguide = 1;
constexpr int Flange = 2;
constexpr int PartNumber = 4;
constexpr int Vswr = 5;
} // namespace PressureWindowColumn

// StepTwist.tbl.
namespace StepTwistColumn {
constexpr int Waveguide = 1;
constexpr int Band = 2;
constexpr int Range = 3;
constexpr int Vswr = 4;
constexpr int PartNumber = 5;
constexpr int Length = 6; // preset length, inches
} // namespace StepTwistColumn

// The tables a family's offered sizes come from, WGVSWR.tbl aside, hold the
// waveguide code first.
constexpr int WaveguideKeyColumn = 1;
static_assert(CoaxVSWRColumn::Waveguide == WaveguideKeyColumn &&
              FlexVSWRColumn::Waveguide == WaveguideKeyColumn &&
              PressureWindowColumn::Waveguide == WaveguideKeyColumn &&
              StepTwistColumn::Waveguide == WaveguideKeyColumn);

// CoaxPrice.tbl and RigidTwistPrice.tbl share this layout (column 3 is not read).
namespace CoaxTwistPriceColumn {
constexpr int Waveguide = 1;
constexpr int Band = 2;
constexpr int Price = 4;
constexpr int Delivery = 5;
constexpr int MaxQuantity = 6;
constexpr int GraySurcharge = 7; // twist only
} // namespace CoaxTwistPriceColumn

// TaperedTransitionPrice.tbl.
namespace TaperPriceColumn {
constexpr int Waveguide = 1;
constexpr int Price = 3;
constexpr int Delivery = 4;
constexpr int MaxQuantity = 5;
constexpr int GraySurcharge = 6;
} // namespace TaperPriceColumn

// FlexTwistPrice.tbl.
namespace FlexPriceColumn {
constexpr int Waveguide = 1;
constexpr int Unit = 2;
constexpr int Length = 3; // four-digit length code
constexpr int Band = 4;   // "S", or "#" for every other band
constexpr int Price = 6;
constexpr int Delivery = 7;
constexpr int MaxQuantity = 8;
} // namespace FlexPriceColumn

// EBendPrice.tbl and HBendPrice.tbl.
namespace BendPriceColumn {
constexpr int Waveguide = 1;
constexpr int Sample = 2; // a complete sample part number
constexpr int Price = 3;
constexpr int Delivery = 4;
constexpr int MaxQuantity = 5;
} // namespace BendPriceColumn

// StraightSectionPrice.tbl.
namespace StraightPriceColumn {
constexpr int Waveguide = 1;
constexpr int BasePrice = 2;
constexpr int PerFoot = 3;
constexpr int GraySurcharge = 4;
constexpr int Delivery = 5;
constexpr int MaxQuantity = 6;
} // namespace StraightPriceColumn

// MiterBendPrice.tbl.
namespace MiterPriceColumn {
constexpr int Waveguide = 1;
constexpr int BasePrice = 3;
constexpr int Delivery = 4;
constexpr int MaxQuantity = 5;
constexpr int LongLegSurcharge = 6;
constexpr int GraySurcharge = 7;
constexpr int BandSurcharge = 8;
constexpr int LegThreshold = 9; // decimal inches
} // namespace MiterPriceColumn

// StepTwistPrice.tbl.
namespace StepTwistPriceColumn {
constexpr int PartNumber = 1;
constexpr int Price = 2;
} // namespace StepTwistPriceColumn

// Conversion.tbl: old part numbers and their replacements.
namespace ConversionColumn {
constexpr int OldPart = 1;
constexpr int NewPart = 2;
constexpr int Comment = 3;
} // namespace ConversionColumn

// The order list and the site list: quantity, price text, delivery text, part
// number, description.
namespace OrderColumn {
constexpr int Quantity = 1;
constexpr int Price = 2;
constexpr int Delivery = 3;
constexpr int PartNumber = 4;
constexpr int Description = 5;
} // namespace OrderColumn

// The description grid's rows as the printout reads them: "margin|code|label|value|".
namespace SpecRowColumn {
constexpr int Margin = 1;
constexpr int Code = 2;
constexpr int Label = 3;
constexpr int Value = 4;
} // namespace SpecRowColumn

} // namespace cvn
