#include "pages/transfer_appear/outline_trace.h"

#include <cstdlib>

namespace zc {
namespace {

void append(TraceList& list, const CanvasCell& c) {
  if (list.length >= kTracePointCapacity) return;
  list.column[list.length] = c.column;
  list.row[list.length] = c.row;
  ++list.length;
}

CanvasCell lastPoint(const TraceList& list) {
  return CanvasCell{list.column[list.length - 1], list.row[list.length - 1]};
}

void copyList(TraceList& target, const TraceList& source) {
  for (int i = 0; i < source.length; ++i) {
    target.column[i] = source.column[i];
    target.row[i] = source.row[i];
  }
  target.length = source.length;
}

// The outline position nearest `from` on the line within the search reach, looking first on the
// lower side (lowerFirst) or the higher side at each distance; `from` when none is in reach.
int nearestOutline(const OutlineLines& lines, int line, int from, bool lowerFirst) {
  for (int d = 0; d <= kTraceSearchReach; ++d) {
    const int first = lowerFirst ? from - d : from + d;
    const int second = lowerFirst ? from + d : from - d;
    if (lines.outlineAt(line, first)) return first;
    if (lines.outlineAt(line, second)) return second;
  }
  return from;
}

}  // namespace

int countTraceJumps(const TraceList& list, int cutMode) {
  int jumps = 0;
  for (int i = 1; i < list.length; ++i) {
    const int d = cutMode == kCutByColumns ? list.row[i] - list.row[i - 1]
                                           : list.column[i] - list.column[i - 1];
    if (std::abs(d) > kTraceStepLimit) ++jumps;
  }
  return jumps;
}

int chooseTraceList(int32_t& jumps1, int32_t& jumps2, int distance1, int distance2) {
  if (jumps1 == 0 && jumps2 != 0) return 1;
  if (jumps2 == 0 && jumps1 != 0) return 2;
  if (jumps1 == 0) {
    if (distance1 < distance2) {
      jumps2 = 1;
      return 1;
    }
    jumps1 = 1;
    return 2;
  }
  if (jumps1 < jumps2) {
    jumps1 = 0;
    return 1;
  }
  jumps2 = 0;
  return 2;
}

int traceSide(const OutlineLines& lines, const MarkView& marks, const CanvasCell& p,
              const CanvasCell& q, TraceList lists[2]) {
  const int cutMode = lines.byColumns ? kCutByColumns : kCutByRows;
  if (!lines.outlineAt(p) || !lines.outlineAt(q)) {
    markStraightSide(marks, p, q, cutMode);
    return 0;
  }
  TraceList& list1 = lists[0];
  TraceList& list2 = lists[1];
  list1.length = list2.length = 0;
  list1.jumps = list2.jumps = 0;
  append(list1, p);
  append(list2, p);

  const int firstLine = lines.lineOf(p), lastLine = lines.lineOf(q);
  const int step = lastLine >= firstLine ? 1 : -1;
  int track1 = lines.positionOf(p), track2 = track1;
  for (int line = firstLine; line != lastLine;) {
    line += step;
    const int moved1 = nearestOutline(lines, line, track1, true);
    const int moved2 = nearestOutline(lines, line, track2, false);
    const bool jump1 = std::abs(moved1 - track1) > kTraceStepLimit;
    const bool jump2 = std::abs(moved2 - track2) > kTraceStepLimit;
    track1 = moved1;
    track2 = moved2;
    append(list1, lines.cellAt(line, track1));
    append(list2, lines.cellAt(line, track2));
    if (jump1 && !jump2) {
      copyList(list1, list2);
      track1 = track2;
    } else if (jump2 && !jump1) {
      copyList(list2, list1);
      track2 = track1;
    }
  }

  list1.jumps = countTraceJumps(list1, cutMode);
  list2.jumps = countTraceJumps(list2, cutMode);
  const int target = lines.positionOf(q);
  const int chosen = chooseTraceList(list1.jumps, list2.jumps,
                                     std::abs(lines.positionOf(lastPoint(list1)) - target),
                                     std::abs(lines.positionOf(lastPoint(list2)) - target));
  const TraceList& side = lists[chosen - 1];
  for (int i = 0; i + 1 < side.length; ++i) {
    markBoundaryCell(marks, CanvasCell{side.column[i], side.row[i]});
  }
  markBoundaryCell(marks, q);
  return chosen;
}

}  // namespace zc
