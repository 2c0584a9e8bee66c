#include "core/workspace.h"

#include <cstring>

namespace zc {
namespace {
Workspace g_workspace;
ImageStores g_stores;
Workspace g_beforeOpen;
bool g_beforeOpenKept = false;
}  // namespace

Workspace& ws() {
  return g_workspace;
}
ImageStores& stores() {
  return g_stores;
}

void resetWorkspace() {
  g_workspace = Workspace{};
  std::memset(&g_stores, 0, sizeof g_stores);
  g_beforeOpenKept = false;
}

void rememberBeforeOpen(const Workspace& before) {
  g_beforeOpen = before;
  g_beforeOpenKept = true;
}

bool restoreBeforeOpen() {
  if (!g_beforeOpenKept) return false;
  g_workspace = g_beforeOpen;
  g_beforeOpenKept = false;
  return true;
}

void forgetBeforeOpen() {
  g_beforeOpenKept = false;
}

void clearMarkPlane() {
  std::memset(g_stores.planes[3], 0, sizeof g_stores.planes[3]);
  g_workspace.markPlaneOwner = kNoMarkOwner;
}

Rgb outlineColorOf(int index) {
  static constexpr Rgb kColours[6] = {{0, 0, 0},       {255, 255, 255}, {0, 255, 255},
                                      {128, 128, 128}, {0, 0, 255},     {255, 0, 0}};
  return (index >= 0 && index < 6) ? kColours[index] : kColours[0];
}

}  // namespace zc
