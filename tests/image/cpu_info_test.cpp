#include <Ostrel.h>
#include <gtest/gtest.h>
#include <cpuid.h>
#include <string.h>

TEST(CpuInfo, ReportsThisProcessorByTheVendorRule) {
  DWORD dwSpeed = 7, dwType = 7, dwMMX = 7;
  EXPECT_EQ(0, GetCpuInfo(&dwSpeed, &dwType, NULL));
  EXPECT_EQ(0, GetCpuInfo(NULL, &dwType, &dwMMX));
  EXPECT_TRUE(dwSpeed == 7 && dwType == 7 && dwMMX == 7);  // nothing written

  unsigned a, b, c, d;
  __cpuid(0, a, b, c, d);
  const unsigned vendor[3] = {b, d, c};
  const bool bIntel = memcmp(vendor, "GenuineIntel", 12) == 0;
  __cpuid(1, a, b, c, d);
  const DWORD dwFamily = (a >> 8) & 0xF;

  const int nResult = GetCpuInfo(&dwSpeed, &dwType, &dwMMX);
  EXPECT_EQ(1u, dwMMX);
  if (bIntel) {
    EXPECT_EQ(dwFamily, dwType);
    EXPECT_EQ(1, nResult);
    EXPECT_GT(dwSpeed, 200u);
    EXPECT_LT(dwSpeed, 10000u);
  } else {
    EXPECT_EQ(dwFamily | 0x8000 | 0x10000, dwType);
    EXPECT_EQ(0, nResult);
    EXPECT_EQ(0u, dwSpeed);
  }
}
