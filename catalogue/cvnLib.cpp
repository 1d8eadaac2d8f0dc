#include "catalogue/cvnLib.h"

#include "catalogue/Files.h"

#include <algorithm>
#include <cmath>

namespace cvn {

std::string AppPath;
std::string DataPath;
std::string ImagesPath;
bool IsImperial = true;

void SetAppPath(const std::string& folder) {
    AppPath = WithTrailingSlash(folder);
    DataPath = AppPath + "Data/";
    ImagesPath = AppPath + "Images/";
}

double InchesToMm(double inches) {
    return inches * 25.4;
}

double MmToInches(double mm) {
    return mm * 0.03937;
}

TTaperedWaveguide SplitTaper(const std::string& text) {
    const auto dash = text.find('-');
    if (dash == std::string::npos) {
        return {"", Trim(text)};
    }
    return {Trim(text.substr(0, dash)), Trim(text.substr(dash + 1))};
}

void SortUnique(TStrings& list) {
    std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
        return CompareText(a, b) < 0;
    });
    list.erase(
        std::unique(list.begin(), list.end(),
                    [](const std::string& a, const std::string& b) { return SameText(a, b); }),
        list.end());
}

void SortNumeric(TStrings& list) {
    const std::size_t count = list.size();
    if (count < 2) {
        return;
    }
    std::vector<double> values;
    values.reserve(count);
    for (const std::string& entry : list) {
        values.push_back(StrToFloat(entry));
    }
    for (std::size_t pass = 0; pass + 1 < count; ++pass) {
        for (std::size_t i = 0; i + 1 < count; ++i) {
            if (values[i] > values[i + 1]) {
                std::swap(values[i], values[i + 1]);
                std::swap(list[i], list[i + 1]);
            }
        }
    }
}

bool ListContains(const std::string& text, const TStrings& list) {
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& entry) { return SameText(entry, text); });
}

bool IsNumber(const std::string& text) {
    if (Trim(text) == ".") {
        return false;
    }
    double value = 0;
    return TryStrToFloat(text, value);
}

int IndexOfValue(const std::string& value, const TStrings& list) {
    const double scaled = static_cast<double>(RoundHalfEven(StrToFloat(value) * 10000.0));
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!(StrToFloat(list[i]) * 10000.0 < scaled)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

double ParseDecimal(const std::string& text, bool insertPoint) {
    std::string t = text;
    if (insertPoint && !t.empty()) {
        t.insert(t.size() - 1, ".");
    }
    double value = 0;
    return TryStrToFloat(t, value) ? value : 0.0;
}

} // namespace cvn
