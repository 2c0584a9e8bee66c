#pragma once
#include "text/labels.h"

namespace zc {

// Transfer page panel, top to bottom. GrayValue and WidthValue are the printf formats of the two
// value boxes.
enum class TransferLabel {
  Heading,
  GetShadow,
  Gray,
  GrayValue,
  Shape,
  Width,
  WidthValue,
  RightClickFix,
  Area,
  LeftClickDrag,
  RightClickCut,
  Polygon,
  OutlineColour,
  Cut,
  TraceOutline,
  Start,
  Close,
  RightClickSet,
  Delete,
  Keep7,
  Pattern,
  Reverse,
  SavePattern,
  CallReal,
  ShotPattern,
  SaveTransfer,
  Count
};
const LabelText& label(TransferLabel item);

// The Transfer page's topic comments (text/comments.cpp holds their texts). Topic 9 has a second
// form, traceStartComment(), shown while a polygon is under way.
enum TransferTopic : int {
  kTransferResetTopic = 1,
  kTransferGrayTopic = 2,
  kTransferShapeTopic = 3,
  kTransferWidthTopic = 4,
  kTransferAreaTopic = 5,
  kTransferPolygonTopic = 6,
  kTransferOutlineColourTopic = 7,
  kTransferLevelLineTopic = 8,
  kTransferTraceTopic = 9,
  kTransferCloseTopic = 10,
  kTransferDeleteTopic = 11,
  kTransferKeepTopic = 12,
  kTransferPatternTopic = 13,
  kTransferSavePatternTopic = 14,
  kTransferCallRealTopic = 15,
  kTransferSaveTopic = 16,
  kTransferStartTopic = 17,
  kTransferVerticalLineTopic = 18,
  kTransferShotTopic = 19,
  kTransferCutTopic = 20,
  kTransferReverseTopic = 21,
};

}  // namespace zc
