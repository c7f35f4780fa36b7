// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

// Gives the window and its heading the roles assistive technology expects of
// them: a plain widget reaches it as a client area and a label as plain text,
// so a screen reader could neither speak the window's title on request nor
// jump to the heading. The announcer is the window's status bar, and its
// notice a notification, which a screen reader speaks when it starts showing.
// Call before the window's controls exist, as an
// interface once handed out is kept.
void installAccessibleRoles();
