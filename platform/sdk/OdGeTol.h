// Geometric tolerances: points closer than equalPoint are the same point.
#pragma once

struct OdGeTol {
  double equalPoint = 1e-10;
  double equalVector = 1e-10;
};

namespace OdGeContext {
inline const OdGeTol gTol{};
}

constexpr double OdaPI = 3.14159265358979323846;
constexpr double OdaPI2 = OdaPI / 2.0;
constexpr double Oda2PI = OdaPI * 2.0;
