#include "render/transform.h"

#include <GL/gl.h>

#include "render/gl_rotate.h"

namespace vorlund::render {

void TTransform::Paint() {
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glTranslatef(TranX, TranY, TranZ);
  rotateDegrees(TAngle, TAxisX, TAxisY, TAxisZ);
  glScalef(TScaleX, TScaleY, TScaleZ);
  DoPaint();
  glPopMatrix();
}

}  // namespace vorlund::render
