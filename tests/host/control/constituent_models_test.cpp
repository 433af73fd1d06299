// The label, shape and control surface models keep what they are given; the
// label can follow its caption and the surface reports its inner height.

#include <gtest/gtest.h>

#include "host/control/control_surface_model.h"
#include "host/control/label_model.h"
#include "host/control/shape_model.h"
#include "tests/support/error_of.h"

namespace gridkit::host {
namespace {

using test_support::ErrorOf;

TEST(LabelModelTest, AutoSizeFollowsTheCaptionAndFont) {
  LabelModel label;
  label.setCaption("50%");
  EXPECT_EQ(label.Width(), 1215) << "a designed size stays without AutoSize";
  label.setAutoSize(true);
  EXPECT_EQ(label.Width(), 248);  // three characters of half 8.25 points, 82.5 twips each
  EXPECT_EQ(label.Height(), 198);
  label.setCaption("100%");
  EXPECT_EQ(label.Width(), 330);
  label.Move(10, 20, 500, 300);
  EXPECT_EQ(label.Left(), 10);
  EXPECT_EQ(label.Width(), 500);
  EXPECT_EQ(ErrorOf([&] { label.setWidth(-1); }), 380);
}

TEST(ControlSurfaceModelTest, ScaleHeightLeavesOutTheBorder) {
  ControlSurfaceModel surface;
  int resizes = 0;
  surface.resized = [&] { ++resizes; };
  surface.setHeight(390);
  EXPECT_EQ(surface.ScaleHeight(), 390);
  surface.setBorderStyle(1);
  EXPECT_EQ(surface.ScaleHeight(), 330) << "three-dimensional border";
  surface.setAppearance(0);
  EXPECT_EQ(surface.ScaleHeight(), 360) << "flat border";
  EXPECT_EQ(resizes, 1);
  surface.Design(100, 100);
  EXPECT_EQ(resizes, 1) << "the designed size is no resize";
  EXPECT_EQ(ErrorOf([&] { surface.setBackStyle(2); }), 380);
}

TEST(ShapeModelTest, KeepsSizeAndColours) {
  ShapeModel shape;
  shape.setWidth(600);
  shape.setFillColor(0xFF0000);
  EXPECT_EQ(shape.Width(), 600);
  EXPECT_EQ(shape.FillColor(), 0xFF0000u);
  EXPECT_EQ(ErrorOf([&] { shape.setHeight(-5); }), 380);
}

}  // namespace
}  // namespace gridkit::host
