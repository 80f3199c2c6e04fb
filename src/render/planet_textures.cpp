#include "render/planet_textures.h"

#include <GL/gl.h>

#include "loop/data_folder.h"
#include "render/gl_error.h"
#include "render/open_gl.h"

namespace vorlund::render {
namespace {

void uploadImage(const BitmapImage& image) {
  glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
               image.pixels.empty() ? nullptr : image.pixels.data());
}

// The parameters start-up gives the one default texture, given to each object.
void setTextureParameters() {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
}

}  // namespace

std::string PlanetTextures::fileName(int k) {
  const std::string digits = std::to_string(k);
  return "Fig13" + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits + ".bmp";
}

std::optional<Failure> PlanetTextures::InitPlanetGraphics(const std::filesystem::path& dir) {
  for (int k = 0; k < kTextureCount; ++k) {
    const std::string name = fileName(k);
    BitmapRead read = ReadBitmap(readOnlyDataFile(dir, name));
    switch (read.fault) {
      case BitmapFault::CannotOpen:
        return Failure::fatal("Cannot open file " + name, read.reason);
      case BitmapFault::Invalid:
        return Failure::fatal(name + ": invalid bitmap");
      case BitmapFault::None:
        break;
    }
    images_[k] = std::move(read.image);
  }
  released_ = false;
  return std::nullopt;
}

void PlanetTextures::upload(const TOpenGL& gl) {
  if (mode_ == TextureMode::Objects) glGenTextures(kTextureCount, objects_.data());
  for (int k = 0; k < kTextureCount; ++k) {
    if (mode_ == TextureMode::Objects) {
      glBindTexture(GL_TEXTURE_2D, objects_[k]);
      setTextureParameters();
    }
    // Uploaded once in either mode, so that an image GL refuses is found
    // here and not by every frame that would select it.
    uploadImage(images_[k]);
    try {
      gl.CheckError(fileName(k));
    } catch (const GlError& refused) {
      images_[k] = {};
      uploadImage(images_[k]);
      refusals_ += (refusals_.empty() ? "" : "\r") + std::string(refused.what());
    }
  }
  if (mode_ == TextureMode::Objects) glBindTexture(GL_TEXTURE_2D, 0);
}

void PlanetTextures::select(int k) const {
  if (k < 0 || k >= kTextureCount) return;
  if (mode_ == TextureMode::Objects)
    glBindTexture(GL_TEXTURE_2D, objects_[k]);
  else
    uploadImage(images_[k]);
}

void PlanetTextures::releaseImages() {
  if (mode_ != TextureMode::Objects) return;
  for (BitmapImage& image : images_) image.pixels = {};
  released_ = true;
}

}  // namespace vorlund::render
