#pragma once

#include "printing/DrawingSurface.h"

namespace cvn {

// A surface of no size that draws nothing and measures every text as empty: what a
// counting pass draws on. The logo "loads" as an empty bitmap so the pass runs.
class TNullSurface : public TDrawingSurface {
public:
    void SetFontName(const std::string&) override {}
    void SetFontHeight(int) override {}
    void SetFontStyle(bool, bool) override {}
    void SetPenWidth(int) override {}
    void TextOut(int, int, const std::string&) override {}
    int TextWidth(const std::string&) override { return 0; }
    int TextHeight(const std::string&) override { return 0; }
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    int DrawText(const TRect&, const std::string&, unsigned) override { return 0; }
    bool StretchBitmap(const TRect&, const TBitmap&) override { return true; }
    bool LoadPicture(const std::string&, TBitmap&) override { return false; }
    bool LoadLogo(TBitmap& bitmap) override {
        bitmap = TBitmap();
        return true;
    }
    void NewPage() override {}
};

} // namespace cvn
