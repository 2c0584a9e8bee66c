#pragma once
// The settings of the pages that keep their own record, one header each so that a page's state
// is written in one place.
#include "core/appear_state.h"
#include "core/change_state.h"
#include "core/outline_state.h"
#include "core/pattern_state.h"
#include "core/transfer_state.h"
