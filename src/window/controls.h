// The window's controls as plain data. Positions and sizes are in twips (15 to a pixel).
#pragma once

#include "window/picture.h"

#include <cstdint>
#include <string>

namespace mj {

inline constexpr int kTwipsPerPixel = 15;

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

struct Rect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    constexpr bool contains(int x, int y) const {
        return x >= Left && x < Left + Width && y >= Top && y < Top + Height;
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Image : Rect {
    PictureRef Picture = nullptr;
    bool Visible = false;
    bool Enabled = true;
};

struct Font {
    std::string Name;
    double Size = 0; // points
    int Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
};

enum class Alignment { Left, Right, Center };

struct Label : Rect {
    std::string Caption;
    bool Visible = false;
    Color BackColor;
    mj::Font Font;
    mj::Alignment Alignment = mj::Alignment::Left;
    int TabIndex = 0;
};

struct Button : Rect {
    std::string Caption; // "&" marks the mnemonic letter
    bool Visible = false;
    bool Enabled = true;
    Color BackColor;
    int TabIndex = 0;

    // The letter after "&", upper case, or 0 when the caption has none.
    char mnemonic() const;
};

struct Line {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Color BorderColor;
    int BorderWidth = 1; // pixels
    bool Visible = true;
    // The strip of the client area the line covers, one pixel high.
    constexpr Rect bounds() const { return {X1, Y1, X2 - X1 + kTwipsPerPixel, kTwipsPerPixel}; }
};

// A timer delivers a tick every Interval ms while it is on. Switching on a timer that is off
// starts a new schedule; the clock that drives the timers notices it through starts().
class Timer {
  public:
    Timer(int interval, bool on) : interval_(interval), enabled_(on), starts_(on ? 1u : 0u) {}
    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on) {
        if (on && !enabled_)
            ++starts_;
        enabled_ = on;
    }
    // How often the timer has been switched on from off.
    unsigned starts() const { return starts_; }

  private:
    int interval_;
    bool enabled_;
    unsigned starts_;
};

} // namespace mj
