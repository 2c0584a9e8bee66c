#pragma once
// The settings of the pages, one header each so that a page's state is written in one place.
#include "core/appear_state.h"
#include "core/change_state.h"
#include "core/filter_state.h"
#include "core/outline_state.h"
#include "core/pattern_state.h"
#include "core/swap_state.h"
#include "core/top_state.h"
#include "core/transfer_state.h"
#include "core/zindle_eye_state.h"
