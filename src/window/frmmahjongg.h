// The game's one window: every control, every picture and the game state record, with the
// event handlers and procedures that make up the game.
#pragma once

#include "board/corner_table.h"
#include "board/geometry.h"
#include "board/templates.h"
#include "game/state_record.h"
#include "platform/random.h"
#include "selection/face_corner_table.h"
#include "window/controls.h"
#include "window/picture_set.h"

#include <array>
#include <cstdint>
#include <span>

namespace mj {

enum class ButtonId { Cmdstart, Cmdquit, Cmdpause, Cmdnew };
inline constexpr int kButtons = 4;

enum class TimerId { Tmr1, Tmr2, Tmr3, Tmr4, Tmr5 };
inline constexpr int kTimers = 5;

enum class LabelId {
    Lblots,
    Lblgame,
    Lblcopy,
    Lblwritten,
    Lblscore1,
    Lblscore2,
    Lblbonus3,
    Lblbonus1,
    Lblbonus2,
    Lbltiles1,
    Lbltiles2,
    Lbltime1,
    Lbltime2,
    Lbltime3,
    Lbltime4,
    Lblbests1,
    Lblbests2,
    Lblbestt1,
    Lblbestt2,
    Lblbestt3,
    Lblbestt4,
};
inline constexpr int kLabels = 21;

inline constexpr Color kGreen{0x00, 0xFF, 0x00};

// The two captions of the Pause button: for pausing a running game, and for resuming it.
inline constexpr const char* kPauseCaption = "&Pause (-250 points / +15 sec)";
inline constexpr const char* kPauseOffCaption = "&Pause off";

class Frmmahjongg : public StateRecord {
  public:
    static constexpr const char* Caption = "Orvel Mahjongg";
    static constexpr int ClientWidth = 11760; // twips: 784 x 593 pixels
    static constexpr int ClientHeight = 8895;
    static constexpr Color BackColor = kGreen;

    // Creates every control as the window's layout has it; the random source lives as long as
    // the window.
    explicit Frmmahjongg(RandomSource& random);
    Frmmahjongg(const Frmmahjongg&) = delete;
    Frmmahjongg& operator=(const Frmmahjongg&) = delete;

    const PictureSet pictures;

    Button Cmdstart, Cmdquit, Cmdpause, Cmdnew;
    Label Lblots, Lblgame, Lblcopy, Lblwritten;
    Label Lblscore1, Lblscore2, Lblbonus3, Lblbonus1, Lblbonus2;
    Label Lbltiles1, Lbltiles2, Lbltime1, Lbltime2, Lbltime3, Lbltime4;
    Label Lblbests1, Lblbests2, Lblbestt1, Lblbestt2, Lblbestt3, Lblbestt4;
    Line Line1;
    Timer Tmr1, Tmr2, Tmr3, Tmr4, Tmr5;
    Image Imgpause;
    std::array<Image, board::kTileImages> Imgtile1;
    std::array<Image, board::kFaceTemplates> Imgtmalli;
    std::array<Image, board::kCornerTemplates> Imgvarjo1;
    std::array<Image, board::kSlots> Imgpr;
    std::array<Image, board::kSlots> Imgvar;
    std::array<Image, board::kPieces> Imgvvak;

    Button& button(ButtonId id);
    const Button& button(ButtonId id) const;
    Label& label(LabelId id);
    const Label& label(LabelId id) const;
    // Inline: the clocks ask for every timer after every event.
    Timer& timer(TimerId id) { return this->*kTimerMembers[static_cast<int>(id)]; }
    const Timer& timer(TimerId id) const { return this->*kTimerMembers[static_cast<int>(id)]; }

    // Events.
    void Form_Load();
    void Cmdstart_Click();
    void Cmdpause_Click();
    void Cmdquit_Click();
    void Cmdnew_Click();
    void Imgtile1_Click(std::int16_t Index);
    void Tmr1_Timer();
    void Tmr2_Timer();
    void Tmr3_Timer();
    void Tmr4_Timer();
    void Tmr5_Timer();

    // The random draw: the integer part of the next random value times `bound`.
    int randomDraw(int bound) { return random_.draw(bound); }
    // Moves the random source on by `steps` values without drawing them.
    void randomSkip(std::uint64_t steps) { random_.skip(steps); }
    // Puts a random grey face (1 to 41, never bamboo 1) on a slot's tile and disables it.
    void previewFace(int slot);
    // The restore of the full-board edge look, in its two halves; every edge and corner
    // piece must be hidden before it runs.
    void restoreEdgeLookLower();
    void restoreEdgeLookUpper();

    // The deal: a new shuffled board of white tiles, shown, with the clock and the bonus
    // countdown running.
    void arvonta();
    // The game end, once the last pair is gone: game over and the best records.
    void peliloppu();

    // The second half of a tile click: the second selection, the silver cap, the pair check.
    void klikkausjatko();
    // The face band change: if slot's tile shows a face in band `from`, it shows the same
    // face in band `to` instead; returns whether it did.
    bool moveToBand(int slot, board::Band from, board::Band to);
    // The face corner recolour: the cap on the face corner piece of `slot` moves from one
    // colour to another, if it shows a cap of the from-colour.
    void recolourFaceCorner(int slot, selection::CapColour from, selection::CapColour to);
    // The pair check of the two selected tiles.
    void tarkistus();
    // The removal update after a pair is hidden: fifteen stages of ten slots each, in slot
    // order, each calling the next, then the closing stage.
    void tarkistus2();
    void tarkistus3();
    void tarkistus4();
    void tarkistus5();
    void tarkistus6();
    void tarkistus7();
    void tarkistus8();
    void tarkistus9();
    void tarkistus10();
    void tarkistus11();
    void tarkistus12();
    void tarkistus13();
    void tarkistus14();
    void tarkistus15();
    void tarkistus16();
    void tarkistus17();
    // The removal block of one slot: its neighbours' side-free flags, edge pieces and corner
    // pieces as the board without its tile gives them.
    void removalBlock(int slot);

    // One second onto the game clock, with the carry into the minutes.
    void addClockSecond();
    // The game clock on its two labels.
    void showClock();

  private:
    static constexpr Timer Frmmahjongg::*kTimerMembers[kTimers] = {
        &Frmmahjongg::Tmr1, &Frmmahjongg::Tmr2, &Frmmahjongg::Tmr3, &Frmmahjongg::Tmr4,
        &Frmmahjongg::Tmr5};

    // The removal blocks of the slots first..last whose tile is one of the removed pair.
    void removalStage(int first, int last);
    // A block changes no tile's presence, so its corner pieces share the presence it read.
    void setCornerPiece(int piece, int removedSlot, const board::Presence& present);

    RandomSource& random_;
};

const char* buttonName(ButtonId id);
// Every caption the button shows while the program runs, its design caption first.
std::span<const char* const> buttonCaptions(ButtonId id);
const char* labelName(LabelId id);
const char* timerName(TimerId id);

} // namespace mj
