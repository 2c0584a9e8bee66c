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

// The other way: index 3 j + k holds 16 k + j, so sixteen pixels' bytes gathered channel by
// channel go back into 48 bytes of 3-byte pixels.
struct alignas(64) ChannelInterleave {
  unsigned char index[64];
  constexpr ChannelInterleave() : index() {
    for (int j = 0; j < 16; ++j) {
      for (int k = 0; k < 3; ++k) index[3 * j + k] = static_cast<unsigned char>(16 * k + j);
    }
  }
};
inline constexpr ChannelInterleave kChannelInterleave{};

// One byte per pixel spread over its three: index 3 j + k holds j.
struct alignas(64) PixelSpread {
  unsigned char index[64];
  constexpr PixelSpread() : index() {
    for (int b = 0; b < 48; ++b) index[b] = static_cast<unsigned char>(b / 3);
  }
};
inline constexpr PixelSpread kPixelSpread{};

}  // namespace zc
