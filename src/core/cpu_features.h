#pragma once

namespace zc {

// What the processor offers beyond the baseline, asked once. The fast forms of the kernels choose
// their instructions by these; every form gives the same cells as its plain loop.
bool hasAvx512Vbmi();  // AVX-512 F, BW, VL and VBMI
bool hasAvx512Dq();
bool hasSsse3();

// Byte k of pixel j of sixteen 3-byte pixels, gathered channel by channel: index 16 k + j holds
// the offset 3 j + k of that byte in the pixels.
struct alignas(64) ChannelGather {
  unsigned char index[64];
  constexpr ChannelGather() : index() {
    for (int j = 0; j < 16; ++j) {
      for (int k = 0; k < 3; ++k) index[16 * k + j] = static_cast<unsigned char>(3 * j + k);
    }
  }
};
inline constexpr ChannelGather kChannelGather{};

}  // namespace zc
