#include "catalogue/DecimalText.h"

#include "catalogue/TextUtils.h"

namespace cvn {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string TDecimalText::Canonical() const {
    if (Digits.empty()) {
        return "0";
    }
    return (Negative ? "-" : "") + Digits + "e" + std::to_string(Exponent);
}

bool ParseDecimalText(std::string_view text, TDecimalText& out) {
    const std::string t = Trim(text);
    std::size_t i = 0;
    TDecimalText result;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        result.Negative = t[i] == '-';
        ++i;
    }
    std::string digits;
    int fractionDigits = 0;
    bool anyDigit = false;
    while (i < t.size() && IsDigit(t[i])) {
        digits += t[i++];
        anyDigit = true;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            digits += t[i++];
            ++fractionDigits;
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return false;
    }
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            negativeExponent = t[i] == '-';
            ++i;
        }
        if (i >= t.size() || !IsDigit(t[i])) {
            return false;
        }
        while (i < t.size() && IsDigit(t[i])) {
            exponent = exponent * 10 + (t[i++] - '0');
            if (exponent > 100000) {
                return false;
            }
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != t.size()) {
        return false;
    }
    std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        result.Digits.clear();
        result.Exponent = 0;
        result.Negative = false;
    } else {
        result.Digits = digits.substr(firstNonZero);
        result.Exponent = static_cast<int>(exponent - fractionDigits);
    }
    out = result;
    return true;
}

} // namespace cvn
