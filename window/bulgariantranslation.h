// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

class QCoreApplication;

// Makes the texts Qt itself shows (the boxes' context menus and the like)
// Bulgarian, like the rest of the window, whatever the user's locale. Returns
// whether Qt's Bulgarian catalogue was found.
bool installBulgarianTranslation(QCoreApplication &app);
