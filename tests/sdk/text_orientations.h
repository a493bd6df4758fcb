// The planes and turns a Text is placed in, for tests that must hold in
// every one: flat, turned, and in a tilted plane (its own coordinate system).
#pragma once

#include "platform/sdk/OdGeVector3d.h"
#include "platform/sdk/OdGeTol.h"

struct orientation {
  const char* name;
  double rotation;
  OdGeVector3d normal;
};

inline const orientation kOrientations[] = {
    {"flat", 0.0, OdGeVector3d::kZAxis},
    {"rotated 30", OdaPI / 6.0, OdGeVector3d::kZAxis},
    {"tilted plane", 0.4, OdGeVector3d(1.0, -2.0, 0.5).normal()},
};
