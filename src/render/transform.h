#pragma once
#include <functional>

namespace vorlund::render {

// One model-view transform around a paint callback: translate, rotate about
// an axis, scale, paint, and the matrix is restored.
class TTransform {
 public:
  float TranX = 0.0f, TranY = 0.0f, TranZ = 0.0f;
  float TAxisX = 0.0f, TAxisY = 0.0f, TAxisZ = 0.0f;
  float TAngle = 0.0f;  // degrees
  float TScaleX = 1.0f, TScaleY = 1.0f, TScaleZ = 1.0f;
  std::function<void(TTransform& sender)> OnPaint;

  void setTranslation(float x, float y, float z) { TranX = x, TranY = y, TranZ = z; }
  void setScale(float s) { TScaleX = TScaleY = TScaleZ = s; }

  void Paint();

 protected:
  virtual void DoPaint() {
    if (OnPaint) OnPaint(*this);
  }

 public:
  virtual ~TTransform() = default;
};

}  // namespace vorlund::render
