#include "window/frmmahjongg.h"

#include "board/edge_look.h"

namespace mj {

namespace {

using board::idx;

struct ButtonDesign {
    ButtonId id;
    const char* name;
    const char* caption;
    Rect rect;
    Color face;
    bool shown;
    int tabIndex;
};

// One button a line: id, name, caption, Left Top Width Height, face colour, shown, tab index.
// clang-format off
constexpr ButtonDesign kButtonDesigns[kButtons] = {
    {ButtonId::Cmdstart, "Cmdstart", "&Start",                         {4680, 6960, 2415, 375}, {0xFF, 0xFF, 0x00}, true,   4},
    {ButtonId::Cmdquit,  "Cmdquit",  "&Quit",                          {2640, 8400,  855, 375}, {0xFF, 0x00, 0xFF}, false,  5},
    {ButtonId::Cmdpause, "Cmdpause", kPauseCaption,                    {4680, 8400, 2415, 375}, {0xFF, 0x80, 0x00}, false, 17},
    {ButtonId::Cmdnew,   "Cmdnew",   "&New game",                      {4680, 3840, 2415, 375}, {0x00, 0xFF, 0xFF}, false, 18},
};
// clang-format on

struct LabelDesign {
    LabelId id;
    const char* name;
    const char* caption;
    Rect rect;
    double points;
    bool italic;
    Alignment alignment;
    bool shown;
    int tabIndex;
};

constexpr Alignment L = Alignment::Left, R = Alignment::Right, C = Alignment::Center;

// One label a line: id, name, caption, Left Top Width Height, font points, italic, alignment,
// shown, tab index.
// clang-format off
constexpr LabelDesign kLabelDesigns[kLabels] = {
    {LabelId::Lblots,     "Lblots",     "ORVEL MAHJONGG",            {1440,  120, 9135, 1215}, 48,    true,  L, true,   0},
    {LabelId::Lblgame,    "Lblgame",    "150th game of Orvel",       {2280, 1200, 6975,  615}, 21.75, true,  C, true,   1},
    {LabelId::Lblcopy,    "Lblcopy",    "(c) 2026 Orvel",            { 120, 8280, 2295,  495}, 14.25, true,  L, true,   2},
    {LabelId::Lblwritten, "Lblwritten", "Written by the Orvel team", {7800, 8280, 3855,  495}, 14.25, true,  L, true,   3},
    {LabelId::Lblscore1,  "Lblscore1",  "Score:",                    {1200, 6480, 1215,  375}, 12,    false, R, false,  6},
    {LabelId::Lblscore2,  "Lblscore2",  " 0",                        {2520, 6480, 1215,  375}, 12,    false, L, false,  8},
    {LabelId::Lblbonus3,  "Lblbonus3",  " 0",                        {2520, 6840, 1215,  375}, 12,    false, L, false, 10},
    {LabelId::Lblbonus1,  "Lblbonus1",  "Bonus:",                    {1200, 7200, 1215,  375}, 12,    false, R, false,  7},
    {LabelId::Lblbonus2,  "Lblbonus2",  " 1000",                     {2520, 7200, 1215,  375}, 12,    false, L, false,  9},
    {LabelId::Lbltiles1,  "Lbltiles1",  "Tiles left:",               {4680, 6480, 1335,  375}, 12,    false, L, false, 15},
    {LabelId::Lbltiles2,  "Lbltiles2",  " 150",                      {6000, 6480, 1095,  375}, 12,    false, L, false, 16},
    {LabelId::Lbltime1,   "Lbltime1",   "Total playing time:",       {8040, 6480, 2535,  375}, 12,    false, L, false, 11},
    {LabelId::Lbltime2,   "Lbltime2",   "",                          {8040, 6840, 1095,  375}, 12,    false, R, false, 12},
    {LabelId::Lbltime3,   "Lbltime3",   ":",                         {9240, 6840,  135,  375}, 12,    false, L, false, 13},
    {LabelId::Lbltime4,   "Lbltime4",   "",                          {9480, 6840, 1095,  375}, 12,    false, L, false, 14},
    {LabelId::Lblbests1,  "Lblbests1",  "Best score:",               { 840, 7800, 1575,  375}, 12,    false, R, false, 19},
    {LabelId::Lblbests2,  "Lblbests2",  " 0",                        {2520, 7800, 1455,  375}, 12,    false, L, false, 20},
    {LabelId::Lblbestt1,  "Lblbestt1",  "Best time:",                {6480, 7800, 1455,  375}, 12,    false, L, false, 22},
    {LabelId::Lblbestt2,  "Lblbestt2",  " 0",                        {8040, 7800, 1095,  375}, 12,    false, R, false, 21},
    {LabelId::Lblbestt3,  "Lblbestt3",  ":",                         {9240, 7800,  135,  375}, 12,    false, L, false, 23},
    {LabelId::Lblbestt4,  "Lblbestt4",  " 0",                        {9480, 7800, 1095,  375}, 12,    false, L, false, 24},
};
// clang-format on

template <class Design, std::size_t N> constexpr bool inIdOrder(const Design (&designs)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(designs[i].id) != i)
            return false;
    return true;
}
static_assert(inIdOrder(kButtonDesigns) && inIdOrder(kLabelDesigns));

constexpr const char* kTimerNames[kTimers] = {"Tmr1", "Tmr2", "Tmr3", "Tmr4", "Tmr5"};

Image imageOf(PictureRef picture, int left, int top, bool shown) {
    Image image;
    image.Left = left;
    image.Top = top;
    image.Width = picture->width * kTwipsPerPixel;
    image.Height = picture->height * kTwipsPerPixel;
    image.Picture = picture;
    image.Visible = shown;
    return image;
}

} // namespace

Frmmahjongg::Frmmahjongg(RandomSource& random)
    : Tmr1(2, true), Tmr2(50, false), Tmr3(500, false), Tmr4(500, false), Tmr5(998, false),
      random_(random) {
    for (const ButtonDesign& d : kButtonDesigns) {
        Button& b = button(d.id);
        static_cast<Rect&>(b) = d.rect;
        b.Caption = d.caption;
        b.Visible = d.shown;
        b.BackColor = d.face;
        b.TabIndex = d.tabIndex;
    }
    for (const LabelDesign& d : kLabelDesigns) {
        Label& l = label(d.id);
        static_cast<Rect&>(l) = d.rect;
        l.Caption = d.caption;
        l.Visible = d.shown;
        l.BackColor = kGreen;
        l.Font = {"Arial Black", d.points, 900, d.italic, false, false};
        l.Alignment = d.alignment;
        l.TabIndex = d.tabIndex;
    }
    Line1 = {120, 7680, 11640, 7680, {0xFF, 0x00, 0x00}, 1, true};
    Imgpause = imageOf(&pictures.pause, 10800, 480, false);

    for (int s = 0; s < board::kTileImages; ++s) {
        const board::Position p = board::slotPosition(s);
        Imgtile1[idx(s)] = imageOf(&pictures.startTile, p.left, p.top, s != board::kSpareSlot);
    }
    for (int t = 0; t < board::kFaceTemplates; ++t)
        Imgtmalli[idx(t)] = imageOf(&pictures.faces[idx(t)], 0, 0, false);
    for (int t = 0; t < board::kCornerTemplates; ++t)
        Imgvarjo1[idx(t)] = imageOf(&pictures.corners[idx(t)], 0, 0, false);

    // The edge and corner pieces stand in the full-board edge look.
    for (int s = 0; s < board::kSlots; ++s) {
        const board::Position r = board::rightEdgePosition(s), b = board::bottomEdgePosition(s);
        const board::Presence full = board::Presence::full();
        Imgpr[idx(s)] = imageOf(&pictures.rightEdge, r.left, r.top, board::rightEdgeShown(s, full));
        Imgvar[idx(s)] =
            imageOf(&pictures.bottomEdge, b.left, b.top, board::bottomEdgeShown(s, full));
    }
    for (int k = 0; k < board::kPieces; ++k) {
        const int t = board::designCorner(k);
        const board::Position p = board::piecePosition(k);
        PictureRef picture =
            t == board::kNone ? &pictures.untemplatedCorner : Imgvarjo1[idx(t)].Picture;
        Imgvvak[idx(k)] =
            imageOf(picture, p.left, p.top, board::fullBoardCorner(k) != board::kHidden);
        // Every piece is 8 x 8 pixels, whatever size of cap it holds.
        Imgvvak[idx(k)].Width = Imgvvak[idx(k)].Height = board::kPieceSize;
    }
}

Button& Frmmahjongg::button(ButtonId id) {
    return const_cast<Button&>(static_cast<const Frmmahjongg&>(*this).button(id));
}
const Button& Frmmahjongg::button(ButtonId id) const {
    switch (id) {
    case ButtonId::Cmdstart:
        return Cmdstart;
    case ButtonId::Cmdquit:
        return Cmdquit;
    case ButtonId::Cmdpause:
        return Cmdpause;
    case ButtonId::Cmdnew:
        break;
    }
    return Cmdnew;
}

Label& Frmmahjongg::label(LabelId id) {
    return const_cast<Label&>(static_cast<const Frmmahjongg&>(*this).label(id));
}
const Label& Frmmahjongg::label(LabelId id) const {
    static constexpr Label Frmmahjongg::*kMembers[kLabels] = {
        &Frmmahjongg::Lblots,     &Frmmahjongg::Lblgame,   &Frmmahjongg::Lblcopy,
        &Frmmahjongg::Lblwritten, &Frmmahjongg::Lblscore1, &Frmmahjongg::Lblscore2,
        &Frmmahjongg::Lblbonus3,  &Frmmahjongg::Lblbonus1, &Frmmahjongg::Lblbonus2,
        &Frmmahjongg::Lbltiles1,  &Frmmahjongg::Lbltiles2, &Frmmahjongg::Lbltime1,
        &Frmmahjongg::Lbltime2,   &Frmmahjongg::Lbltime3,  &Frmmahjongg::Lbltime4,
        &Frmmahjongg::Lblbests1,  &Frmmahjongg::Lblbests2, &Frmmahjongg::Lblbestt1,
        &Frmmahjongg::Lblbestt2,  &Frmmahjongg::Lblbestt3, &Frmmahjongg::Lblbestt4,
    };
    return this->*kMembers[static_cast<int>(id)];
}

const char* buttonName(ButtonId id) {
    return kButtonDesigns[static_cast<int>(id)].name;
}
std::span<const char* const> buttonCaptions(ButtonId id) {
    static constexpr const char* kPauseCaptions[] = {kPauseCaption, kPauseOffCaption};
    if (id == ButtonId::Cmdpause)
        return kPauseCaptions;
    return {&kButtonDesigns[static_cast<int>(id)].caption, 1};
}
const char* labelName(LabelId id) {
    return kLabelDesigns[static_cast<int>(id)].name;
}
const char* timerName(TimerId id) {
    return kTimerNames[static_cast<int>(id)];
}

} // namespace mj
