#pragma once

#include "printing/DrawingSurface.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace cvn::test {

// A drawing surface that records what is drawn on it, each call with the font in
// force. Text measures are simple and exact: every character is half the font height
// wide, and the text is one font height tall.
class TRecordingSurface : public TDrawingSurface {
public:
    struct TFont {
        std::string Name;
        int Height = 0;
        bool Bold = false;
        bool Underline = false;
    };
    enum class TKind { Text, Line, TextBox, Bitmap, NewPage };
    struct TCall {
        TKind Kind;
        int X = 0; // text: left; line: from
        int Y = 0; // text: top
        int X2 = 0;
        int Y2 = 0;
        TRect Rect;         // text box, bitmap
        std::string Text;   // text, text box
        unsigned Flags = 0; // text box
        int BitmapWidth = 0;
        int BitmapHeight = 0;
        TFont Font;
        int PenWidth = 0;
        int Page = 1;
    };

    std::vector<TCall> Calls;
    // Files that decode, with their size; any other file fails.
    std::map<std::string, std::pair<int, int>> Pictures;
    bool HasLogo = true;
    // Every stretched bitmap fails to draw.
    bool FailDrawing = false;

    void SetFontName(const std::string& name) override { Font.Name = name; }
    void SetFontHeight(int height) override { Font.Height = height; }
    void SetFontStyle(bool bold, bool underline) override {
        Font.Bold = bold;
        Font.Underline = underline;
    }
    void SetPenWidth(int width) override { PenWidth = width; }
    void TextOut(int x, int y, const std::string& text) override {
        TCall call = Make(TKind::Text);
        call.X = x;
        call.Y = y;
        call.Text = text;
        Calls.push_back(call);
    }
    int TextWidth(const std::string& text) override {
        return static_cast<int>(text.size()) * Font.Height / 2;
    }
    int TextHeight(const std::string&) override { return Font.Height; }
    void MoveTo(int x, int y) override {
        PenX = x;
        PenY = y;
    }
    void LineTo(int x, int y) override {
        TCall call = Make(TKind::Line);
        call.X = PenX;
        call.Y = PenY;
        call.X2 = PenX = x;
        call.Y2 = PenY = y;
        Calls.push_back(call);
    }
    int DrawText(const TRect& rect, const std::string& text, unsigned flags) override {
        TCall call = Make(TKind::TextBox);
        call.Rect = rect;
        call.Text = text;
        call.Flags = flags;
        Calls.push_back(call);
        return Font.Height;
    }
    bool StretchBitmap(const TRect& rect, const TBitmap& bitmap) override {
        if (FailDrawing) {
            return false;
        }
        TCall call = Make(TKind::Bitmap);
        call.Rect = rect;
        call.BitmapWidth = bitmap.Width;
        call.BitmapHeight = bitmap.Height;
        Calls.push_back(call);
        return true;
    }
    bool LoadPicture(const std::string& fileName, TBitmap& bitmap) override {
        const auto found = Pictures.find(fileName);
        if (found == Pictures.end()) {
            return false;
        }
        bitmap.Width = found->second.first;
        bitmap.Height = found->second.second;
        return true;
    }
    bool LoadLogo(TBitmap& bitmap) override {
        bitmap.Width = 412;
        bitmap.Height = 151;
        return HasLogo;
    }
    void NewPage() override {
        Calls.push_back(Make(TKind::NewPage));
        ++Page;
    }

    // The text calls that drew exactly text; the calls of a kind.
    std::vector<TCall> TextsOf(const std::string& text) const {
        return Where([&](const TCall& c) {
            return (c.Kind == TKind::Text || c.Kind == TKind::TextBox) && c.Text == text;
        });
    }
    std::vector<TCall> CallsOf(TKind kind) const {
        return Where([&](const TCall& c) { return c.Kind == kind; });
    }
    // One drawing call as a line: "text 50,30 Arial/14bu Words", "box 50,260,110,335 x12
    // Arial/15 Words", "line 50,100-800,100 pen 2", "picture 625,20,800,90 412x151", "newpage".
    static std::string Described(const TCall& c) {
        const auto pair = [](int a, int b) { return std::to_string(a) + "," + std::to_string(b); };
        const std::string rect =
            pair(c.Rect.Left, c.Rect.Top) + "," + pair(c.Rect.Right, c.Rect.Bottom);
        const std::string font = " " + c.Font.Name + "/" + std::to_string(c.Font.Height) +
                                 (c.Font.Bold ? "b" : "") + (c.Font.Underline ? "u" : "") + " " +
                                 c.Text;
        switch (c.Kind) {
        case TKind::Text:
            return "text " + pair(c.X, c.Y) + font;
        case TKind::TextBox:
            return "box " + rect + " x" + std::to_string(c.Flags) + font;
        case TKind::Line:
            return "line " + pair(c.X, c.Y) + "-" + pair(c.X2, c.Y2) + " pen " +
                   std::to_string(c.PenWidth);
        case TKind::Bitmap:
            return "picture " + rect + " " + std::to_string(c.BitmapWidth) + "x" +
                   std::to_string(c.BitmapHeight);
        case TKind::NewPage:
            break;
        }
        return "newpage";
    }
    std::vector<std::string> Described() const {
        std::vector<std::string> lines;
        for (const TCall& call : Calls) {
            lines.push_back(Described(call));
        }
        return lines;
    }

private:
    template <class TKeep> std::vector<TCall> Where(TKeep keep) const {
        std::vector<TCall> found;
        std::copy_if(Calls.begin(), Calls.end(), std::back_inserter(found), keep);
        return found;
    }
    TCall Make(TKind kind) const {
        TCall call{};
        call.Kind = kind;
        call.Font = Font;
        call.PenWidth = PenWidth;
        call.Page = Page;
        return call;
    }

    TFont Font;
    int PenWidth = 0;
    int PenX = 0;
    int PenY = 0;
    int Page = 1;
};

} // namespace cvn::test
