#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vorlund::render {

// Flags of the pixel-format descriptor; bit n of the set is the descriptor
// flag 2^n.
enum class TPFDFlag : std::uint8_t {
  DoubleBuffer,
  Stereo,
  Draw_To_Window,
  Draw_To_Bitmap,
  Support_GDI,
  Support_OpenGL,
  Generic_Format,
  Need_Palette,
  Need_System_Palette,
  Swap_Exchange,
  Swap_Copy,
  Swap_Layer_Buffers,
  Generic_Accelerated,
};
using TPFDFlags = std::uint16_t;
constexpr TPFDFlags pfd(TPFDFlag f) {
  return static_cast<TPFDFlags>(1u << static_cast<unsigned>(f));
}

enum class TPFDPixelType : std::uint8_t { RGBA, ColorIndex };
enum class TProjection : std::uint8_t { Orthographic, Perspective };

// The capabilities enabled once when the context is made, as a set.
enum class TEnable : std::uint8_t { depthTest, cullFace, Lighting };
using TEnables = std::uint8_t;
constexpr TEnables enables(TEnable e) {
  return static_cast<TEnables>(1u << static_cast<unsigned>(e));
}

// The arena's GL context: its pixel format, the projection installed once,
// the global enables, error checks and the buffer swap. The window system
// makes the context; `Loaded` runs once it is current.
class TOpenGL {
 public:
  TPFDFlags pfdFlags = pfd(TPFDFlag::Draw_To_Window) | pfd(TPFDFlag::Support_OpenGL);
  TPFDPixelType PixelType = TPFDPixelType::RGBA;
  TProjection Projection = TProjection::Perspective;
  TEnables Enable = enables(TEnable::depthTest) | enables(TEnable::cullFace);
  float ClearRed = 0.0f;
  float ClearGreen = 0.0f;
  float ClearBlue = 0.0f;
  double prxLeft = -1.0;
  double prxRight = 1.0;
  double prxBottom = -1.0;
  double prxTop = 1.0;
  double prxNear = 2.0;
  double prxFar = 9.0;
  std::int32_t ColorBits = 24;
  std::int32_t DepthBits = 32;
  std::int32_t StencilBits = 0;

  bool has(TPFDFlag f) const { return (pfdFlags & pfd(f)) != 0; }

  // With the context current: the enables in their order, the projection
  // (never loaded again: only the viewport follows the window), the clear
  // colour; then the context is ready. Throws GlError.
  void Loaded();
  // The window went away with its context.
  void ownerDestroyed() { ready_ = false; }
  bool ready() const { return ready_; }

  // New client size: resets the viewport; true when the area did not grow in
  // either direction. Does nothing and gives false before `Loaded`.
  bool Resize(int clientWidth, int clientHeight);

  // Throws "Error in " + where + CR + the GLU words when GL has an error
  // pending. Reads one error only.
  void CheckError(std::string_view where) const;

  // Presents the back buffer through the window system's swap, when it has
  // given one; a toolkit that presents by itself gives none.
  void SwapBuffers() const {
    if (swap_) swap_();
  }
  void setSwap(std::function<void()> swap) { swap_ = std::move(swap); }

 private:
  bool ready_ = false;
  int lastWidth_ = 0;
  int lastHeight_ = 0;
  std::function<void()> swap_;
};

// The message CheckError gives for an error with these GLU words.
std::string checkErrorMessage(std::string_view where, std::string_view glText);

}  // namespace vorlund::render
