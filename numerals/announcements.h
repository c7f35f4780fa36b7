// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

// What a screen reader says after each button: what the button wrote into
// the boxes, as a sighted user sees it change. Nothing is shown on screen.

// Calculate in the Roman frame: the number now in the Arabic box, and whether
// the Roman box's text was upper-cased.
[[nodiscard]] std::u16string romanCalculatedAnnouncement(std::u16string_view arabic,
                                                         bool romanUpperCased);
// Calculate in the Arabic frame: the numeral now in the Roman box.
[[nodiscard]] std::u16string arabicCalculatedAnnouncement(std::u16string_view roman);
// Calculate in the Arabic frame on a number it does not take.
[[nodiscard]] std::u16string arabicRefusedAnnouncement();
// Clear.
[[nodiscard]] std::u16string clearedAnnouncement();

// A paste that a box could not hold whole, and so did not take: the page's,
// for a browser whose boxes hold less than a text pasted into them.
[[nodiscard]] std::u16string pasteNotHeldAnnouncement();
