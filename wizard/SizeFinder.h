#pragma once

#include "catalogue/FrequencyRange.h"

#include <string>
#include <vector>

namespace cvn {

class TConfigurator;
class TUserPrompts;

// Whether a family sells a size: listed and chosen as usual, listed but only by
// special quote, or not listed. None when no family was asked about.
enum class TSizeStatus { None, Offered, SpecialQuote, NotOffered };

// "offered", "special quote", "not offered"; "-" for None.
std::string SizeStatusText(TSizeStatus status);

// One row of Frequency.tbl whose range covers the frequency asked for.
struct TSizeMatch {
    int Row = 0;      // data row of Frequency.tbl, from 0
    std::string Code; // the row's size code
    std::string WR;   // the size's WR name in WGSize.tbl; empty when it has none
    std::string Band;
    std::string Range;
    std::string Vswr; // what screen 2 shows for the band in the family; empty for none
    TSizeStatus Status = TSizeStatus::None;
};

// Choices the VSWR should be read under where the family offers them: a coax type's
// code and a flexible twist's length as the list shows it. Empty, or not offered for
// a size, means the first coax type and the shortest length.
struct TFindPreferences {
    std::string Coax;
    std::string Length;
};

// Every row of Frequency.tbl whose range covers span, rows whose range cannot be read
// left out. With a family (0 to 10; -1 for none) each size is chosen in a scratch
// wizard that starts with the tables of running, as a click in its list would, and
// the VSWR is the one its frequency choices give for the row's band. Ordered by VSWR
// (its number, lowest first, none last), then by code, then in table order. Tables
// that cannot be read are reported through prompts; nothing else is said.
std::vector<TSizeMatch> FindSizes(const TFrequencySpan& span, int family,
                                  const TConfigurator& running, TUserPrompts& prompts,
                                  const TFindPreferences& preferred = {});

// The coax type and flexible length the wizard has chosen, for FindSizes.
TFindPreferences PreferencesOf(const TConfigurator& wizard);

// A found size chosen: back on screen 1, the size is chosen in the waveguide list
// through its handler, as a click there would choose it. False when the list does
// not hold the size (the family does not offer it, or no family is chosen).
bool ChooseFoundSize(TConfigurator& wizard, const std::string& code);

} // namespace cvn
