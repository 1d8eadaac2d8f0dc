// The catalogue's text rules (numbers, lengths, frequencies, part-number fields) as
// tables of input and expected output: one file per rule under catalogue/cases.
// A line is TAB-separated inputs then the expected text; runs of TABs align columns.
// "..." shows blanks at the ends or an empty field; \xHH \t \r \n \\ are escapes.
// "error: ..." is the text of the data error raised; "refused" a rejected text.

#include "catalogue/Encoding.h"
#include "catalogue/Errors.h"
#include "catalogue/Fixed.h"
#include "catalogue/FrequencyRange.h"
#include "catalogue/IniFile.h"
#include "catalogue/LengthLists.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace cvn {
namespace {

namespace fs = std::filesystem;
using TArgs = std::vector<std::string>;

const fs::path kCases = fs::path(CORVANE_TEST_DATA_DIR) / "catalogue" / "cases";

std::string Unescaped(std::string field) {
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        field = field.substr(1, field.size() - 2);
    }
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
        } else if (const char c = field[++i]; c == 'x') {
            out += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
        }
    }
    return out;
}

std::string Num(double v) {
    std::ostringstream s;
    s.precision(10);
    s << v;
    return s.str();
}

TStrings ListOf(const std::string& text) {
    TStrings list;
    std::istringstream in(text);
    for (std::string item; !text.empty() && std::getline(in, item, ',');) {
        list.push_back(item);
    }
    return list;
}

std::string Joined(const TStrings& list, char separator) {
    std::string out;
    for (std::size_t i = 0; i < list.size(); ++i) {
        out += (i == 0 ? "" : std::string(1, separator)) + list[i];
    }
    return out;
}

template <void (*Sort)(TStrings&)> std::string Sorted(const TArgs& a) {
    TStrings list = ListOf(a[0]);
    Sort(list);
    return Joined(list, ',');
}

// An ini file holding the bytes given ("(none)": no file), for one rule.
std::string IniWith(const test::TTempFolder& folder, const std::string& bytes) {
    const std::string file = folder.Path() + "Corvane.ini";
    if (bytes != "(none)") {
        folder.Write("Corvane.ini", bytes);
    }
    return file;
}

std::string SpanText(const std::optional<TFrequencySpan>& span) {
    return span ? Num(span->Low) + "-" + Num(span->High) : "refused";
}

const std::map<std::string, std::function<std::string(const TArgs&)>> kRules = {
    {"fixed", [](const TArgs& a) { return std::to_string(TFixed::Parse(a[0]).Raw); }},
    {"fixed-format",
     [](const TArgs& a) {
         const TFixed f = TFixed::Parse(a[0]);
         return a[1] == "money" ? f.FormatMoney() : f.Format(StrToInt(a[1]));
     }},
    {"integer", [](const TArgs& a) { return std::to_string(StrToInt(a[0])); }},
    {"is-number", [](const TArgs& a) { return std::string(IsNumber(a[0]) ? "yes" : "no"); }},
    {"index-of-value",
     [](const TArgs& a) { return std::to_string(IndexOfValue(a[0], ListOf(a[1]))); }},
    {"parse-decimal", [](const TArgs& a) { return Num(ParseDecimal(a[0], a[1] == "point")); }},
    {"round-half-even",
     [](const TArgs& a) { return std::to_string(RoundHalfEven(std::stod(a[0]))); }},
    {"units",
     [](const TArgs& a) {
         const double v = std::stod(a[0]);
         return a[1] == "in" ? Num(InchesToMm(v)) + " mm" : Num(MmToInches(v)) + " in";
     }},
    {"inch-text", [](const TArgs& a) { return InchText(a[0]); }},
    {"format-inches", [](const TArgs& a) { return FormatInches(std::stod(a[0])); }},
    {"millimetre-text", [](const TArgs& a) { return MillimetreText(std::stod(a[0])); }},
    {"split-taper",
     [](const TArgs& a) {
         const TTaperedWaveguide t = SplitTaper(a[0]);
         return t.Smaller + "|" + t.Larger;
     }},
    {"sort-unique", Sorted<SortUnique>},
    {"sort-numeric", Sorted<SortNumeric>},
    {"frequency-query", [](const TArgs& a) { return SpanText(ParseFrequencyQuery(a[0])); }},
    {"frequency-range", [](const TArgs& a) { return SpanText(ParseFrequencyRange(a[0])); }},
    {"to-windows-1252", [](const TArgs& a) { return Utf8ToWin1252(a[0]); }},
    {"to-utf-8", [](const TArgs& a) { return Win1252ToUtf8(a[0]); }},
    {"table-field",
     [](const TArgs& a) {
         TTxtTable table;
         table.Lines = {a[0]};
         return table.GetField(0, StrToInt(a[1]));
     }},
    {"ini-read",
     [](const TArgs& a) {
         const test::TTempFolder folder;
         return ReadIniString(IniWith(folder, a[0]), a[1], a[2], "dflt");
     }},
    {"ini-integer",
     [](const TArgs& a) {
         const test::TTempFolder folder;
         return std::to_string(ReadIniInteger(IniWith(folder, a[0]), a[1], a[2], 100));
     }},
    // The file after the write, then what a read gives back.
    {"ini-write",
     [](const TArgs& a) {
         const test::TTempFolder folder;
         const std::string file = IniWith(folder, a[0]);
         WriteIniString(file, a[1], a[2], a[3]);
         return folder.Read("Corvane.ini") + " -> " + ReadIniString(file, a[1], a[2], "");
     }},
    // Dimensions.tbl rows (";" between), family row, size, unit the lists are built
    // for -> inch items / mm items / the default of that unit.
    {"length-lists",
     [](const TArgs& a) {
         TTxtTable family, dims;
         family.Lines = {"C|Coax|0.5|5|a|b", "R|Straight|6.0|150|c|d", "E|Bend|0.1|1|e|f",
                         "M|Miter|0|5|g|h", "N|Miter E|x|5|i|j"};
         std::istringstream rows(a[0]);
         for (std::string row; std::getline(rows, row, ';');) {
             dims.Lines.push_back(row);
         }
         const TLengthLists l = BuildLengthLists(family, StrToInt(a[1]), dims, a[2], a[3] == "in");
         const std::string byDefault =
             l.ImperialDefault.empty() ? l.MetricDefault + " mm" : l.ImperialDefault + " in";
         return !l.Found ? std::string("not found")
                         : Joined(l.ImperialItems, ',') + " / " + Joined(l.MetricItems, ',') +
                               " / " + byDefault;
     }},
    // Part number, whether StepTwist.tbl is there -> family number (11: unknown).
    {"family-of",
     [](const TArgs& a) {
         const test::TTempFolder folder;
         folder.UseAsAppPath();
         if (a[1] == "table") {
             folder.WriteTable("StepTwist.tbl", {"WG|Band|Range|VSWR|Part Number|Length",
                                                 "187|S|3.95 - 5.85 GHz|1.10|ST90187A|4.5",
                                                 "090|S|8.2 - 12.4 GHz|1.10|st90090a|2.0"});
         }
         test::TScriptedPrompts prompts;
         const int family = FamilyTypeOf(a[0], prompts);
         return std::to_string(family) + (prompts.Messages.empty() ? "" : ", an error shown");
     }},
    // Fields 0 to 9; outside them there is nothing.
    {"part-field",
     [](const TArgs& a) {
         TStrings fields;
         for (int f = -1; f <= 10; ++f) {
             fields.push_back(PartField(a[0], StrToInt(a[1]), f));
         }
         return fields.front() + fields.back() == ""
                    ? Joined(TStrings(fields.begin() + 1, fields.end() - 1), '|')
                    : "field -1 or 10 answered";
     }},
};

class TextRule : public ::testing::TestWithParam<std::string> {};

TEST_P(TextRule, GivesEachLinesExpectedText) {
    const auto& rule = kRules.at(GetParam());
    std::ifstream in(kCases / (GetParam() + ".txt"));
    ASSERT_TRUE(in) << GetParam();
    int number = 0, rows = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        TArgs fields;
        for (std::size_t at = 0; at <= line.size();) {
            const std::size_t tab = std::min(line.find('\t', at), line.size());
            fields.push_back(Unescaped(line.substr(at, tab - at)));
            at = line.find_first_not_of('\t', tab);
            at = at == std::string::npos ? line.size() + 1 : at;
        }
        const std::string expected = fields.back();
        fields.pop_back();
        std::string actual;
        try {
            actual = rule(fields);
        } catch (const EConvertError& e) {
            actual = std::string("error: ") + e.what();
        }
        EXPECT_EQ(actual, expected) << GetParam() << ".txt line " << number << ": " << line;
        ++rows;
    }
    EXPECT_GT(rows, 0);
}

INSTANTIATE_TEST_SUITE_P(Rules, TextRule, ::testing::ValuesIn([] {
                             std::vector<std::string> names;
                             for (const auto& [name, rule] : kRules) {
                                 names.push_back(name);
                             }
                             return names;
                         }()),
                         [](const auto& test) {
                             std::string name = test.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(TextRules, NumbersIgnoreTheUsersRegionalSettings) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_ALL, "C.UTF-8");
    }
    double d = 0;
    EXPECT_TRUE(TryStrToFloat("12.5", d));
    EXPECT_DOUBLE_EQ(d, 12.5);
    EXPECT_FALSE(TryStrToFloat("12,5", d));
    EXPECT_EQ(TFixed::Parse("1234.5").FormatMoney(), "$1,234.50");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Fixed, SumsAndProductsBeyondTheRangeRaiseInsteadOfWrapping) {
    const TFixed top = TFixed::FromRaw(INT64_MAX);
    EXPECT_THROW(top + TFixed::FromRaw(1), EConvertError);
    EXPECT_THROW(TFixed::FromRaw(INT64_MIN) - TFixed::FromRaw(1), EConvertError);
    EXPECT_THROW(top * 2, EConvertError);
    EXPECT_THROW(TFixed::FromInt(TFixed::MaxWhole + 1), EConvertError);
    EXPECT_THROW(TFixed::FromInt(-TFixed::MaxWhole - 1), EConvertError);
    TFixed sum = top - TFixed::FromRaw(5);
    EXPECT_THROW(sum += TFixed::FromRaw(6), EConvertError);
    EXPECT_EQ(sum.Raw, INT64_MAX - 5); // left as it was
    sum += TFixed::FromRaw(5);
    EXPECT_EQ(sum, top);
    EXPECT_EQ(TFixed::FromInt(TFixed::MaxWhole).Raw, TFixed::MaxWhole * TFixed::Scale);
    EXPECT_EQ((TFixed::FromInt(-3) * 4).Format(0), "-12");
}
TEST(TextRules, AFrequencySpanCoversBothEndsIncluded) {
    const TFrequencySpan band{8.2, 12.4};
    EXPECT_TRUE(band.Covers({8.2, 8.2}));
    EXPECT_TRUE(band.Covers({12.4, 12.4}));
    EXPECT_TRUE(band.Covers({8.5, 9.6}));
    EXPECT_FALSE(band.Covers({8.1, 9.0}));
    EXPECT_FALSE(band.Covers({12.0, 12.5}));
}

} // namespace
} // namespace cvn
