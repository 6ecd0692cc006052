#include "script/dump.h"

namespace mj {

namespace {

using board::idx;

std::string indexed(const char* array, int i) {
    return std::string(array) + "(" + std::to_string(i) + ")";
}

const char* flag(bool on) {
    return on ? "1" : "0";
}

} // namespace

std::string pictureName(const Frmmahjongg& w, PictureRef picture) {
    for (int k = 0; k < board::kFaceTemplates; ++k)
        if (w.Imgtmalli[idx(k)].Picture == picture)
            return indexed("Imgtmalli", k);
    for (int t = 0; t < board::kCornerTemplates; ++t)
        if (w.Imgvarjo1[idx(t)].Picture == picture)
            return indexed("Imgvarjo1", t);
    if (picture == &w.pictures.startTile)
        return "start";
    return "-";
}

std::string dump(const Frmmahjongg& w, std::int64_t nowMs) {
    std::string out = "--- dump at " + std::to_string(nowMs) + " ms\n";
    auto put = [&out](std::initializer_list<std::string> words) {
        for (const std::string& word : words)
            out += word;
        out += '\n';
    };

    forEachField(w, [&](const char* name, auto value) {
        put({"field ", name, " ", std::to_string(value)});
    });
    for (int b = 0; b < kButtons; ++b) {
        const auto id = static_cast<ButtonId>(b);
        const Button& button = w.button(id);
        put({buttonName(id), " visible=", flag(button.Visible), " caption=\"", button.Caption,
             "\""});
    }
    for (int l = 0; l < kLabels; ++l) {
        const auto id = static_cast<LabelId>(l);
        const Label& label = w.label(id);
        put({labelName(id), " visible=", flag(label.Visible), " caption=\"", label.Caption, "\""});
    }
    const Image& pause = w.Imgpause;
    put({"Imgpause visible=", flag(pause.Visible), " left=", std::to_string(pause.Left),
         " top=", std::to_string(pause.Top), " width=", std::to_string(pause.Width),
         " height=", std::to_string(pause.Height)});
    put({"Line1 visible=", flag(w.Line1.Visible)});
    for (int t = 0; t < kTimers; ++t) {
        const auto id = static_cast<TimerId>(t);
        put({timerName(id), " enabled=", flag(w.timer(id).Enabled())});
    }
    for (int i = 0; i < board::kTileImages; ++i) {
        const Image& tile = w.Imgtile1[idx(i)];
        put({indexed("Imgtile1", i), " visible=", flag(tile.Visible),
             " enabled=", flag(tile.Enabled), " picture=", pictureName(w, tile.Picture)});
    }
    for (int i = 0; i < board::kSlots; ++i)
        put({indexed("Imgpr", i), " visible=", flag(w.Imgpr[idx(i)].Visible)});
    for (int i = 0; i < board::kSlots; ++i)
        put({indexed("Imgvar", i), " visible=", flag(w.Imgvar[idx(i)].Visible)});
    for (int k = 0; k < board::kPieces; ++k) {
        const Image& piece = w.Imgvvak[idx(k)];
        put({indexed("Imgvvak", k), " visible=", flag(piece.Visible),
             " picture=", pictureName(w, piece.Picture)});
    }
    out += "--- end\n";
    return out;
}

} // namespace mj
