#include <vellmark/math/3d/oe_mathconstants.h>

float const g_fPI = 3.1415927f;
float const g_f2PI = 6.2831855f;
float const g_fPIDiv2 = 1.5707964f;
float const g_fPIDiv4 = 0.78539819f;
float const g_fInvPI = 0.31830987f;
float const g_fDegToRad = 0.017453292f;
float const g_fRadToDeg = 57.29578f;
float const g_fEpsilon = 1.0e-5f;
float const g_fInvEpsilon = 100000.0f;
float const g_fHuge = 1.0e18f;
float const g_fPosInfinity = 3.4028235e38f;
float const g_fNegInfinity = -3.4028235e38f;
float const g_fZNear = 1.0f;
float const g_fZFar = 2000.0f;
float g_fFOV = 0.52359879f;
