#include "face_art.h"

#include "colours.h"

namespace pictures {

ArtCanvas faceArt(int face) {
    ArtCanvas art;
    if (face == 0) {
        drawBird(art);
    } else if (face <= 8) {
        drawBamboo(art, face + 1);
    } else if (face <= 17) {
        drawCharacter(art, face - 8);
    } else if (face <= 26) {
        drawCircles(art, face - 17);
    } else if (face == 27) {
        drawRedDragon(art);
    } else if (face == 28) {
        drawGreenDragon(art);
    } else if (face == 29) {
        drawWhiteDragon(art);
    } else if (face <= 33) {
        drawSeason(art, face - 29);
    } else if (face <= 37) {
        drawFlower(art, face - 33);
    } else {
        drawWind(art, face - 37);
    }
    return art;
}

QImage faceTemplate(int templateIndex) {
    const int band = templateIndex / kFaceCount;
    const int face = templateIndex % kFaceCount;
    return composeTile(faceArt(face), kBandGround[band]);
}

QImage startTilePicture() {
    return composeTile(faceArt(0), kPaleGreen);
}

} // namespace pictures
