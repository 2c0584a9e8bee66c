#pragma once
#include "core/canvas_point.h"
#include "core/transfer_state.h"
#include "pages/transfer_appear/outline_snap.h"
#include "pages/transfer_appear/polygon_side.h"

namespace zc {

// How far a track looks for the stroke on the next line, to either side of its last position.
constexpr int kTraceSearchReach = 12;
// A step along the stroke moves at most this many positions; a longer move is a jump.
constexpr int kTraceStepLimit = 8;

// The number of consecutive point pairs of the list whose tracked position (column in cut mode 1,
// row in cut mode 2) differs by more than kTraceStepLimit.
int countTraceJumps(const TraceList& list, int cutMode);

// Which list becomes the traced side, from their jump counts and the distances of their last
// points to the far vertex (in the tracked coordinate): the one without jumps when only one has
// none; when both have none, the one nearer (list 2 on a tie), and the other's count becomes 1;
// when both have jumps, the one with fewer (list 2 on a tie), whose count becomes 0. Answers 1 or
// 2 and updates the counts.
int chooseTraceList(int32_t& jumps1, int32_t& jumps2, int distance1, int distance2);

// Marks the side from vertex p to vertex q of a polygon, following the outline stroke when both
// vertices are outline pixels, and answers the number of the list that became the side (1 or 2);
// answers 0 when the side was marked straight (an end off the outline, markStraightSide).
//
// Tracing empties both lists and walks from p's line to q's line one line at a time (rows in cut
// mode 1, columns in cut mode 2), with two tracks that both start at p. On each new line a track
// moves to the outline pixel nearest its last position within kTraceSearchReach; at equal
// distance track 1 takes the lower position (left, or up on the window) and track 2 the higher, so
// that where the stroke forks the two tracks take the two branches. A track with no outline pixel
// in reach keeps its position and so crosses a gap in the stroke straight. A move longer than
// kTraceStepLimit is a jump onto another stroke: when only one track jumps, its list is replaced
// by a copy of the other list and it goes on from the other track's point; when both jump, both
// keep their points. After the walk each list gets its jump count, chooseTraceList picks one
// (the distance is from each list's last point to q) and its points are marked, one cell per line,
// the point on q's line being q itself.
int traceSide(const OutlineLines& lines, const MarkView& marks, const CanvasCell& p,
              const CanvasCell& q, TraceList lists[2]);

}  // namespace zc
