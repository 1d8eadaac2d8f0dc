#include "catalogue/Errors.h"

namespace cvn {

std::string Quoted(const std::string& text) {
    if (text.size() <= kQuotedLength) {
        return text;
    }
    return text.substr(0, kQuotedLength) + "...";
}

void RaiseInvalidFloat(const std::string& text) {
    throw EConvertError("'" + Quoted(text) + "' is not a valid floating point value");
}

void RaiseInvalidInteger(const std::string& text) {
    throw EConvertError("'" + Quoted(text) + "' is not a valid integer value");
}

void RaiseOutOfRange(const std::string& what) {
    throw EConvertError("'" + what + "' is out of range");
}

void RaiseListIndex(int index) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void RaiseCannotCreate(const std::string& fileName) {
    throw EFCreateError("Cannot create file " + fileName);
}

} // namespace cvn
