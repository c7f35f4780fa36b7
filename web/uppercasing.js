// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// The platform's upper-casing the core asks for beyond a to z: on the page,
// String.prototype.toUpperCase, which is the same in every locale (unlike
// toLocaleUpperCase, which makes i a dotted capital in Turkish).
mergeInto(LibraryManager.library, {
  page_upper_case: function (text, length, out, capacity) {
    var from = text >> 1;
    var original = "";
    // In slices, as a call takes only so many arguments.
    for (var at = 0; at < length; at += 8192) {
      original += String.fromCharCode.apply(
        null, HEAPU16.subarray(from + at, from + Math.min(length, at + 8192)));
    }
    var upper = original.toUpperCase();
    var to = out >> 1;
    for (var i = 0; i < upper.length && i < capacity; i++) {
      HEAPU16[to + i] = upper.charCodeAt(i);
    }
    return upper.length;
  },
});
