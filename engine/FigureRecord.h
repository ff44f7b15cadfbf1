#pragma once
// The frozen form of a figure: 68 signed 32-bit values and their checksum.
// Every store keeps figures in this form; Draw reproduces a figure from it
// exactly, so the order of the fields is part of every stored file.

#include <array>
#include <cstdint>

namespace lumora {

struct FigureRecord {
    static constexpr int kValueCount = 68;  // positions 0..67
    static constexpr int kSize = 69;        // plus recordSum at 68

    // Field positions. 23..26 run mode, colour, mode, colour; 41..43 run Z, X, Y.
    enum Field : int {
        Category = 0,
        Formula = 1,
        Param1 = 2,  // Param1 + (row - 1), rows 1..20
        PenWidth = 22,
        FgMode = 23,
        FgColour = 24,
        BgMode = 25,
        BgColour = 26,
        GradientOn = 27,
        RepeatCount = 28,
        ColourOn2 = 29,  // ColourOn2 + (c - 2), colours 2..6
        Colour1 = 34,    // Colour1 + (c - 1), colours 1..7
        RotZ = 41,
        RotX = 42,
        RotY = 43,
        ZScale = 44,
        Magnify = 45,
        ShiftV = 46,
        ShiftH = 47,
        Lock1 = 48,  // Lock1 + (row - 1)
        RecordSum = 68,
    };

    std::array<std::int32_t, kSize> v{};

    std::int32_t& operator[](int pos) { return v[static_cast<std::size_t>(pos)]; }
    std::int32_t operator[](int pos) const { return v[static_cast<std::size_t>(pos)]; }

    int param(int row) const { return (*this)[Param1 + row - 1]; }
    int lock(int row) const { return (*this)[Lock1 + row - 1]; }
    int colourOn(int c) const { return (*this)[ColourOn2 + c - 2]; }
    int colour(int c) const { return (*this)[Colour1 + c - 1]; }

    friend bool operator==(const FigureRecord&, const FigureRecord&) = default;
};

// Sum of the first n values as signed 32-bit integers with two's-complement
// wrap-around (the sum every store writes after its values).
std::int32_t wrappingSum(const std::int32_t* values, int n);

// The checksum of positions 0..67.
std::int32_t recordSum(const FigureRecord& r);

// Colours are 24-bit (0x00BBGGRR): a colour read from any store is taken as
// its low 24 bits, so a hand-edited value can never reach the canvas as
// something else.
inline std::uint32_t colourBits(std::int32_t v) { return static_cast<std::uint32_t>(v) & 0xFFFFFFu; }

}  // namespace lumora
