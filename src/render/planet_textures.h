#pragma once
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "render/bitmap_file.h"
#include "state/failure.h"

namespace vorlund::render {

class TOpenGL;

inline constexpr int kTextureCount = 145;

// How a texture reaches GL when a drawing step selects it: bound from a
// texture object made at start-up, or its whole image uploaded again. Both
// draw the same frames; the objects spare the copying.
enum class TextureMode { Objects, Reupload };

// The 145 body textures: texture k is the surface of body k, and a few serve
// as marker images. Read once at start-up and kept for the whole run.
class PlanetTextures {
 public:
  explicit PlanetTextures(TextureMode mode = TextureMode::Objects) : mode_(mode) {}

  // "Fig13" + k in three digits + ".bmp".
  static std::string fileName(int k);

  // Reads Fig13000.bmp..Fig13144.bmp in that order, each from the game
  // folder when it has one, else from the installed game data, and
  // stops at the first that cannot be read: the failure that stops the
  // start-up comes back, naming the file ("Cannot open file Fig13007.bmp",
  // "Fig13007.bmp: invalid bitmap"), and the later textures stay empty.
  std::optional<Failure> InitPlanetGraphics(const std::filesystem::path& dir);

  // With the context current: in object mode makes one texture object per
  // image with the start-up texture parameters. After each texture GL is
  // checked with the file name as the place. An image GL refuses (a
  // top-down bitmap's negative height) is dropped, so that its body shows
  // without a texture, and the others go on; takeRefusals() tells it.
  void upload(const TOpenGL& gl);

  // What GL said of the images it refused at upload, once, as
  // "Error in Fig13007.bmp" + '\r' + the GL error for each; "" for none.
  std::string takeRefusals() { return std::exchange(refusals_, {}); }

  // Makes texture k the current 2D texture (k outside 0..144: nothing).
  void select(int k) const;

  // Once the texture objects hold the images, the images themselves are
  // let go (a re-uploading table keeps them). True when they were.
  void releaseImages();
  bool released() const { return released_; }

  TextureMode mode() const { return mode_; }
  const BitmapImage& image(int k) const { return images_[k]; }

 private:
  TextureMode mode_;
  std::array<BitmapImage, kTextureCount> images_{};
  std::array<unsigned, kTextureCount> objects_{};
  std::string refusals_;
  bool released_ = false;
};

}  // namespace vorlund::render
