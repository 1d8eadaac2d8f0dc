#pragma once

#include <string>

namespace cvn {

class TUserPrompts;

// Fields of a part number.
namespace PartFieldNo {
constexpr int Letter = 0;
constexpr int Waveguide = 1;
constexpr int FlangeA = 2;
constexpr int FlangeB = 3; // the coax type for the coax transition
constexpr int Band = 4;
constexpr int Finish = 5;
constexpr int BeforeLast = 6; // the three characters before the last one
constexpr int Length = 7;     // leg A for the two-leg families
constexpr int LegB = 8;
constexpr int Unit = 9;
} // namespace PartFieldNo

// The family whose part numbers begin with the letter (exact case), or 11.
int FamilyTypeOfLetter(char letter);

// The family of a part number by its first letter (exact case); any other start is a
// 90° Step-Twist when StepTwist.tbl (read afresh, header kept) holds it whole in
// column 5, otherwise 11.
int FamilyTypeOf(const std::string& partNumber, TUserPrompts& prompts);

// The text of one field for the given family type; empty when the family has no such
// field or the part number is too short to hold it.
std::string PartField(const std::string& partNumber, int familyType, int field);

} // namespace cvn
