#pragma once
#include "platform/platform.h"

namespace zc {

// The program's window procedure: turns messages into workspace requests and runs the paint
// cycle. The backend calls handle() for every message and paint() for every scheduled paint.
WindowProcedure& shellWindowProcedure();

// The window title given when the window is created.
extern const char* const
    kInitialWindowTitle;  // "ジンドルキャンバスサンプル ZINDLE CANVAS SAMPLE vabosample"

}  // namespace zc
