#pragma once

#include "maps/MDImageViewTypes.h"

#include <string>
#include <vector>

enum TMDFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TMDFont {
    std::string Name;
    int Size = 9; // points
    TMDColor Color;
    unsigned Style = 0; // TMDFontStyle bits
    bool operator==(const TMDFont&) const = default;
};

// One text label centred on (X, Y) in picture pixels.
struct TMDLabelSetting {
    std::string Caption;
    TMDFont Font;
    int X = 0;
    int Y = 0;
};

// The recording surface labels are drawn on: a vector picture of the source picture's size.
class IMDLabelCanvas {
  public:
    virtual ~IMDLabelCanvas() = default;
    // Starts a new recording with a transparent text background, discarding the old one.
    virtual void BeginRecording() = 0;
    virtual void SelectFont(const TMDFont& font) = 0;
    // Width and height in pixels of the text in the selected font.
    virtual TMDSize TextExtent(const std::string& text) = 0;
    virtual void TextOut(int x, int y, const std::string& text, TMDColor color) = 0;
    virtual void EndRecording() = 0;
};

// The labels of a view in insertion order, each with its own copy of a font.
class TMDLabelSettingList {
  public:
    explicit TMDLabelSettingList(IMDLabelCanvas& canvas) : canvas_(canvas) {}

    int Add(int X, int Y, const std::string& Caption, const TMDFont& Font);
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    const TMDLabelSetting& Items(int Index) const { return items_.at(Index); }

    const TMDFont& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const TMDFont& font) { defaultFont_ = font; }

    // Redraws every label with a one-pixel white halo; adding or clearing does not redraw.
    void Draw();

  private:
    IMDLabelCanvas& canvas_;
    std::vector<TMDLabelSetting> items_;
    TMDFont defaultFont_;
};
