#pragma once

#include <QRgb>

namespace pictures {

// Colours shared by the pictures of the game.
inline constexpr QRgb kBlack = qRgb(0x00, 0x00, 0x00);
inline constexpr QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
inline constexpr QRgb kDarkGrey = qRgb(0x80, 0x80, 0x80);
inline constexpr QRgb kSilverGround = qRgb(0xC0, 0xC0, 0xC0);
inline constexpr QRgb kYellow = qRgb(0xFF, 0xFF, 0x00);
inline constexpr QRgb kPaleGreen = qRgb(0xDE, 0xED, 0xD6);
inline constexpr QRgb kCapGreen = qRgb(0x00, 0xFF, 0x00);
inline constexpr QRgb kCapSilver = qRgb(0xB4, 0xBA, 0xB8);

// Colours of the tile art.
inline constexpr QRgb kArtGreen = qRgb(0x03, 0x82, 0x49);
inline constexpr QRgb kArtBlue = qRgb(0x2A, 0x3B, 0x92);
inline constexpr QRgb kArtRed = qRgb(0xBF, 0x37, 0x18);
inline constexpr QRgb kBlossomRed = qRgb(0xC6, 0x4D, 0x33);

// Grounds of the three bands of a face: grey (selected), white (in play), yellow (matched).
inline constexpr QRgb kBandGround[3] = {kSilverGround, kWhite, kYellow};

} // namespace pictures
