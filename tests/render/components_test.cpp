// The GL component layer against the recording GL: what each operation
// sends, in which order, and what it leaves out.
#include <GL/gl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

#include "gl_recorder.h"
#include "render/gl_error.h"
#include "render/light.h"
#include "render/main_window_components.h"
#include "render/material.h"
#include "render/open_gl.h"
#include "render/transform.h"

namespace vorlund::render {
namespace {

using test::gl;
using ::testing::ElementsAre;

// The calls recorded since the last look, forgotten once looked at.
std::vector<std::string> sent() {
  return std::exchange(gl().calls, {});
}

class Components : public ::testing::Test {
 protected:
  void SetUp() override { gl().clear(); }
};

TEST_F(Components, LightsWhichSwitchOffAndSendVectorsBeforeColours) {
  const std::pair<int, int> which[] = {{0, 0}, {1, 1}, {7, 7}, {8, 0}, {9, 0}, {255, 0}};
  for (const auto& [written, read] : which) {
    TLight light;
    light.setWhich(written);
    EXPECT_EQ(light.Which(), read) << written;
    EXPECT_EQ(light.glLight(), static_cast<unsigned>(GL_LIGHT0 + read)) << written;
  }
  // The scene light as designed: no cutoff; switched off, nothing else.
  MainWindowComponents designed;
  designed.Light2.Apply();
  EXPECT_THAT(
      sent(),
      ElementsAre("glEnable(LIGHT0)", "glLightfv(LIGHT0,POSITION,0,0,0,1)",
                  "glLightfv(LIGHT0,SPOT_DIRECTION,0,0,-1)", "glLightfv(LIGHT0,AMBIENT,1,1,1,0)",
                  "glLightfv(LIGHT0,DIFFUSE,0.2,0.2,0.2,0)", "glLightfv(LIGHT0,SPECULAR,1,1,1,0)"));
  designed.Light2.Enabled = false;
  designed.Light2.Apply();
  EXPECT_THAT(sent(), ElementsAre("glDisable(LIGHT0)"));
  // A spotlight sends its cutoff after the vectors.
  TLight spot;
  spot.setWhich(3);
  spot.Enabled = spot.Spotlight = true;
  spot.Cutoff = 45;
  spot.Apply();
  EXPECT_THAT(sent(),
              ElementsAre("glEnable(LIGHT3)", "glLightf(LIGHT3,SPOT_CUTOFF,45)",
                          "glLightfv(LIGHT3,AMBIENT,0,0,0,0)", "glLightfv(LIGHT3,DIFFUSE,0,0,0,0)",
                          "glLightfv(LIGHT3,SPECULAR,0,0,0,0)"));
}

TEST_F(Components, MaterialSendsItsFacesInOrderAndSpecularIsBlackOnlyForShininessZero) {
  TMaterial m;
  m.ambRed = 0.1f, m.ambAlpha = 1;
  m.difRed = m.difGreen = m.difBlue = 1, m.difAlpha = 0.5f;
  m.aFace = TFace::faBack;
  m.dFace = TFace::faFrontAndBack;
  m.mShine = 0.3f;
  m.Apply();
  EXPECT_THAT(sent(), ElementsAre("glMaterialfv(BACK,AMBIENT,0.1,0,0,1)",
                                  "glMaterialfv(FRONT_AND_BACK,DIFFUSE,1,1,1,0.5)",
                                  "glMaterialfv(FRONT,SPECULAR,1,1,1,1)",
                                  "glMaterialf(FRONT,SHININESS,0.3)"));
  const std::pair<float, const char*> shines[] = {
      {0.0f, "0,0,0,1"}, {0.3f, "1,1,1,1"}, {1e-30f, "1,1,1,1"}, {-0.0f, "0,0,0,1"}};
  for (const auto& [shine, specular] : shines) {
    m.mShine = shine;
    m.Apply();
    const auto calls = sent();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[2], std::string("glMaterialfv(FRONT,SPECULAR,") + specular + ")") << shine;
  }
}

TEST_F(Components, LoadedEnablesInOrderAndInstallsTheProjectionOnce) {
  MainWindowComponents designed;
  designed.OpenGL1.Loaded();
  EXPECT_THAT(sent(), ElementsAre("glEnable(DEPTH_TEST)", "glEnable(CULL_FACE)",
                                  "glEnable(LIGHTING)", "glMatrixMode(PROJECTION)",
                                  "glFrustum(-1.25,1.25,-1,1,2,142000)", "glClearColor(0,0,0,1)"));
  EXPECT_TRUE(designed.OpenGL1.ready());
  TOpenGL flat;
  flat.Projection = TProjection::Orthographic;
  flat.Loaded();
  EXPECT_THAT(sent(),
              ElementsAre("glEnable(DEPTH_TEST)", "glEnable(CULL_FACE)", "glMatrixMode(PROJECTION)",
                          "glOrtho(-1,1,-1,1,2,9)", "glClearColor(0,0,0,1)"));
}

TEST_F(Components, ResizeIsTrueOnlyWhenTheAreaDidNotGrowAndAFailedCheckKeepsTheOldSize) {
  TOpenGL context;
  EXPECT_FALSE(context.Resize(100, 100)) << "before the context is made";
  EXPECT_TRUE(gl().calls.empty());
  context.Loaded();
  sent();
  const std::tuple<int, int, bool> steps[] = {{691, 511, false}, {691, 511, true},
                                              {600, 400, true},  {601, 400, false},
                                              {601, 300, true},  {601, 301, false}};
  for (const auto& [width, height, result] : steps)
    EXPECT_EQ(context.Resize(width, height), result) << width << "x" << height;
  EXPECT_EQ(gl().calls.front(), "glViewport(0,0,691,511)");
  context.Resize(200, 200);
  gl().errors = {GL_INVALID_VALUE};
  EXPECT_THROW(context.Resize(300, 300), GlError);
  EXPECT_FALSE(context.Resize(250, 250)) << "250 is more than the 200 kept";
  context.ownerDestroyed();
  EXPECT_FALSE(context.Resize(10, 10));
}

TEST_F(Components, CheckErrorReadsOneErrorAndNamesThePlace) {
  TOpenGL context;
  EXPECT_NO_THROW(context.CheckError("formpaint"));
  gl().errors = {GL_INVALID_VALUE, GL_STACK_OVERFLOW};
  try {
    context.CheckError("formpaint");
    FAIL() << "no exception";
  } catch (const GlError& e) {
    EXPECT_STREQ(e.what(), "Error in formpaint\rinvalid value");
  }
  EXPECT_EQ(gl().errors.size(), 1u) << "the second error stays pending";
  EXPECT_EQ(drainGlErrors(), std::vector<std::string>{"stack overflow"});
  EXPECT_TRUE(drainGlErrors().empty());
  // Without a window system's swap, a swap does nothing.
  EXPECT_NO_THROW(context.SwapBuffers());
  int swaps = 0;
  context.setSwap([&] { ++swaps; });
  context.SwapBuffers();
  EXPECT_EQ(swaps, 1);
}

TEST_F(Components, TransformPaintsBetweenItsMatrixAndTheRestore) {
  TTransform t;
  t.Paint();  // scale one, and about the null axis no turn
  EXPECT_THAT(sent(), ElementsAre("glMatrixMode(MODELVIEW)", "glPushMatrix()",
                                  "glTranslatef(0,0,0)", "glScalef(1,1,1)", "glPopMatrix()"));
  t.setTranslation(-2, 1.2f, -18);
  t.TAxisY = 1, t.TAngle = 30;
  t.setScale(0.5f);
  t.OnPaint = [&t](TTransform& sender) {
    EXPECT_EQ(&sender, &t);
    gl().calls.push_back("paint");
  };
  t.Paint();
  EXPECT_THAT(sent(), ElementsAre("glMatrixMode(MODELVIEW)", "glPushMatrix()",
                                  "glTranslatef(-2,1.2,-18)", "glRotatef(30,0,1,0)",
                                  "glScalef(0.5,0.5,0.5)", "paint", "glPopMatrix()"));
}

}  // namespace
}  // namespace vorlund::render
