#include "core/cpu_features.h"

namespace zc {

#if defined(__x86_64__) || defined(__i386__)
bool hasAvx512Vbmi() {
  static const bool vbmi =
      __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
      __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512vbmi");
  return vbmi;
}
bool hasAvx512Dq() {
  static const bool dq = __builtin_cpu_supports("avx512dq");
  return dq;
}
bool hasSsse3() {
  static const bool ssse3 = __builtin_cpu_supports("ssse3");
  return ssse3;
}
#else
bool hasAvx512Vbmi() {
  return false;
}
bool hasAvx512Dq() {
  return false;
}
bool hasSsse3() {
  return false;
}
#endif

}  // namespace zc
