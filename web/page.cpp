// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// The core as the page's script reaches it: the script copies the two
// inputs' texts into two boxes, presses a button, and copies back the boxes
// the button wrote and what a screen reader is to say. Texts cross as UTF-16
// through one buffer in the module's memory, `transfer`, one at a time.

#include "announcements.h"
#include "buttons.h"
#include "helptext.h"
#include "memorybox.h"
#include "numeraltables.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

extern "C" {
// uppercasing.js: the browser's String.prototype.toUpperCase, which follows
// Unicode's tables and not the user's locale. Writes at most `capacity`
// characters to `out` and returns the length of the whole upper-cased text.
std::size_t page_upper_case(const char16_t *text, std::size_t length, char16_t *out,
                            std::size_t capacity);
}

namespace {

enum Box
{
    Roman,
    Arabic
};
// The buttons by their place in the window, as the script numbers them.
enum Button
{
    RomanCalculate,
    Clear,
    ArabicCalculate
};

const NumeralTables &tables()
{
    static const NumeralTables filled = NumeralTables::filled();
    return filled;
}

std::array<MemoryBox, 2> boxes;
std::array<int, 2> writesBeforePress{};
std::u16string transfer;

std::u16string browserUpperCasing(std::u16string_view text)
{
    // No character upper-cases to more than three.
    std::u16string upper(text.size() * 3, u'\0');
    const std::size_t length =
        page_upper_case(text.data(), text.size(), upper.data(), upper.size());
    upper.resize(std::min(length, upper.size()));
    return upper;
}

std::size_t toTransfer(std::u16string text)
{
    transfer = std::move(text);
    return transfer.size();
}

} // namespace

extern "C" {

// Room for a text of `length` characters, which the script then fills.
EMSCRIPTEN_KEEPALIVE char16_t *page_text_buffer(std::size_t length)
{
    transfer.assign(length, u'\0');
    return transfer.data();
}

EMSCRIPTEN_KEEPALIVE const char16_t *page_transfer()
{
    return transfer.data();
}

EMSCRIPTEN_KEEPALIVE void page_set_box(int box)
{
    boxes.at(box).setText(transfer);
}

// Returns the length of the announcement, left in the transfer buffer.
EMSCRIPTEN_KEEPALIVE std::size_t page_press(int button)
{
    writesBeforePress = {boxes[Roman].writes(), boxes[Arabic].writes()};
    switch (button) {
    case RomanCalculate:
        return toTransfer(
            pressRomanCalculate(tables(), boxes[Roman], boxes[Arabic], browserUpperCasing));
    case Clear:
        return toTransfer(pressClear(boxes[Roman], boxes[Arabic]));
    case ArabicCalculate:
        return toTransfer(pressArabicCalculate(tables(), boxes[Arabic], boxes[Roman]));
    default:
        return toTransfer({});
    }
}

// Whether the last press wrote the box, so the script leaves an input it did
// not touch (and its caret) alone, as the window does.
EMSCRIPTEN_KEEPALIVE bool page_box_written(int box)
{
    return boxes.at(box).writes() != writesBeforePress.at(box);
}

EMSCRIPTEN_KEEPALIVE std::size_t page_box_text(int box)
{
    return toTransfer(boxes.at(box).text());
}

EMSCRIPTEN_KEEPALIVE std::size_t page_help_text()
{
    return toTransfer(helpText());
}

EMSCRIPTEN_KEEPALIVE std::size_t page_paste_not_held()
{
    return toTransfer(pasteNotHeldAnnouncement());
}

} // extern "C"
