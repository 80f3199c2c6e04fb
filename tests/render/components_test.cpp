// The GL component layer against the recording GL: what a light and a
// material send, what a resize answers and how a GL error is told.
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

// True only when the area did not grow; before the context, after its owner
// is gone, and after a failed check (which keeps the old size) it is false.
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
  EXPECT_EQ(drainGlErrors(), std::vector<std::string>{"stack overflow"}) << "the second stays";
  EXPECT_TRUE(drainGlErrors().empty());
}

}  // namespace
}  // namespace vorlund::render
