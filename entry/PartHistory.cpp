#include "entry/PartHistory.h"

#include "catalogue/Files.h"
#include "catalogue/cvnLib.h"

#include <algorithm>

namespace cvn {

bool TPartHistory::Contains(const std::string& text) const {
    return std::any_of(Items.begin(), Items.end(),
                       [&](const std::string& item) { return SameText(item, text); });
}

void TPartHistory::Add(const std::string& text) {
    if (!Contains(text)) {
        Items.push_back(text);
    }
}

void TPartHistory::Load() {
    std::string bytes;
    std::string error;
    Items = ReadWholeFile(DataPath + FileName, bytes, error) ? SplitLines(bytes) : TStrings{};
}

void TPartHistory::Save() const {
    if (!DirectoryExists(DataPath)) {
        return;
    }
    WriteFileIfChanged(DataPath + FileName, JoinLinesCrLf(Items));
}

} // namespace cvn
