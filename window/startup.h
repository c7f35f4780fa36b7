// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include "converterform.h"

#include <memory>

class QApplication;

// Everything the program does before its event loop runs: names the desktop
// entry the window belongs to, makes Qt's own texts Bulgarian, and opens the
// window. The program and its tests start the same way.
[[nodiscard]] std::unique_ptr<ConverterForm> startConverter(QApplication &app);
