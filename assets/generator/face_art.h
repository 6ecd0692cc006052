#pragma once

#include "art_canvas.h"

#include <QImage>

namespace pictures {

inline constexpr int kFaceCount = 42;
inline constexpr int kBandCount = 3;

// The art of face 0 to 41, shared by the face's three bands.
ArtCanvas faceArt(int face);

// The face template 42 * band + face.
QImage faceTemplate(int templateIndex);

// The picture every tile holds before the first deal: the bird on a pale green ground.
QImage startTilePicture();

// The art of each suit; the number or index counts from 1.
void drawBird(ArtCanvas& art);
void drawBamboo(ArtCanvas& art, int sticks);
void drawCharacter(ArtCanvas& art, int number);
void drawCircles(ArtCanvas& art, int count);
void drawRedDragon(ArtCanvas& art);
void drawGreenDragon(ArtCanvas& art);
void drawWhiteDragon(ArtCanvas& art);
void drawWind(ArtCanvas& art, int wind); // 1 east, 2 south, 3 west, 4 north
void drawSeason(ArtCanvas& art, int season);
void drawFlower(ArtCanvas& art, int flower);

} // namespace pictures
