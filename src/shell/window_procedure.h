#pragma once
#include "platform/platform.h"
#include "text/labels.h"  // kInitialWindowTitle, the title given when the window is created

namespace zc {

// The program's window procedure: turns messages into workspace requests and runs the paint
// cycle. The backend calls handle() for every message and paint() for every scheduled paint.
WindowProcedure& shellWindowProcedure();

}  // namespace zc
