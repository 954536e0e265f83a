// Processor identification through CPUID (flag probes on processors without it) and the clock
// speed measured against the performance counter.
#include <Ostrel/CpuInfo.h>
#include <cpuid.h>
#include <stdint.h>
#include <x86intrin.h>

namespace {

const char kIntel[] = "GenuineIntel";
// Clock cycles of one bit-scan instruction, by family.
const DWORD kBitScanCycles[12] = {0, 0, 0, 115, 47, 43, 38, 38, 38, 38, 38, 38};
const DWORD kCloneBit = 0x8000;

int g_nClone = 0;  // set once a vendor other than GenuineIntel was seen

struct SpeedRecord {
  DWORD dwCycles, dwMicroseconds, dwRaw, dwNormalised;
};

// The flags register.
uintptr_t ReadFlags() {
  uintptr_t f;
#if defined(__x86_64__)
  __asm__ volatile("pushfq\n\tpopq %0" : "=r"(f));
#else
  __asm__ volatile("pushfl\n\tpopl %0" : "=r"(f));
#endif
  return f;
}

void WriteFlags(uintptr_t f) {
#if defined(__x86_64__)
  __asm__ volatile("pushq %0\n\tpopfq" : : "r"(f) : "cc");
#else
  __asm__ volatile("pushl %0\n\tpopfl" : : "r"(f) : "cc");
#endif
}

// The flag bits of `bits` that read back as they were written with value `value`.
uintptr_t FlagsAfterWrite(uintptr_t bits, uintptr_t value) {
  const uintptr_t f = ReadFlags();
  WriteFlags((f & ~bits) | (value & bits));
  const uintptr_t g = ReadFlags();
  WriteFlags(f);
  return g & bits;
}

bool FlagToggles(uintptr_t bit) {
  const uintptr_t f = ReadFlags() & bit;
  return FlagsAfterWrite(bit, ~f) != f;
}

bool HasCpuid() { return FlagToggles(0x200000); }

// Leaf 0's vendor compared with GenuineIntel, then leaf 1.
void Leaf1(unsigned& eax, unsigned& edx) {
  unsigned a, b, c, d;
  __cpuid(0, a, b, c, d);
  const unsigned words[3] = {b, d, c};
  const char* pVendor = (const char*)words;
  for (int i = 0; i < 12; i++)
    if (pVendor[i] != kIntel[i]) g_nClone = 1;
  __cpuid(1, eax, b, c, edx);
}

// Without CPUID: the division leaves the zero flag alone on some other vendors' processors.
void DivisionProbe() {
  unsigned char zf;
  unsigned dummy;
  __asm__ volatile(
      "xorl %%edx, %%edx\n\t"
      "movl $0x5555, %%eax\n\t"
      "movl $2, %%ecx\n\t"
      "divl %%ecx\n\t"
      "setz %1"
      : "=a"(dummy), "=&q"(zf)
      :
      : "ecx", "edx", "cc");
  g_nClone = zf ? 1 : 0;
}

DWORD FamilyWord(bool bCpuid) {
  DWORD dwFamily;
  if (bCpuid) {
    unsigned eax, edx;
    Leaf1(eax, edx);
    dwFamily = (eax >> 8) & 0xF;
  } else {
    DivisionProbe();
    if (FlagsAfterWrite(0xF000, 0) == 0xF000)
      dwFamily = 0;
    else if (FlagsAfterWrite(0xF000, 0xF000) == 0)
      dwFamily = 2;
    else if (!FlagToggles(0x40000))
      dwFamily = 3;
    else
      dwFamily = 4;
  }
  return g_nClone ? dwFamily | kCloneBit : dwFamily;
}

DWORD FeatureWord(bool bCpuid) {
  unsigned eax = 0, edx = 0;
  if (bCpuid) Leaf1(eax, edx);
  return edx;
}

DWORD Microseconds(DWORD dwTicks100000, DWORD dwFrequency) {
  DWORD us = dwTicks100000 / (dwFrequency / 10);
  if (us % dwFrequency > dwFrequency / 2) us++;
  return us;
}

SpeedRecord BitScanMethod(DWORD dwCycles) {
  LARGE_INTEGER f, t0, t1;
  if (!::QueryPerformanceFrequency(&f) || f.QuadPart < 10 || f.QuadPart > 0xFFFFFFFF) return {};
  DWORD dwBest = 0xFFFFFFFF;
  for (int i = 0; i < 10; i++) {
    ::QueryPerformanceCounter(&t0);
    for (int n = 0; n < 4000; n++) {
      unsigned v = 0x80000000u, r;
      __asm__ volatile("bsfl %1, %0" : "=r"(r) : "r"(v) : "cc");
    }
    ::QueryPerformanceCounter(&t1);
    const DWORD dwTicks = (DWORD)t1.LowPart - (DWORD)t0.LowPart;
    if (dwTicks < dwBest) dwBest = dwTicks;
  }
  const DWORD us = Microseconds(dwBest * 100000, (DWORD)f.QuadPart);
  if (us == 0) return {};
  const DWORD dwRaw = dwCycles / us;
  return {dwCycles, us, dwRaw, dwRaw + (dwCycles % us > us / 2 ? 1 : 0)};
}

// Spins until the counter is at least nTicks past *pStart; the last counter and time-stamp reads
// come back through *pStart and *pStamp.
void PollCounter(LARGE_INTEGER* pStart, DWORD nTicks, DWORD* pStamp) {
  LARGE_INTEGER now;
  do {
    ::QueryPerformanceCounter(&now);
    *pStamp = (DWORD)__rdtsc();
  } while (now.QuadPart - pStart->QuadPart < (LONGLONG)nTicks);
  *pStart = now;
}

SpeedRecord CounterMethod() {
  LARGE_INTEGER f;
  if (!::QueryPerformanceFrequency(&f) || f.QuadPart < 10 || f.QuadPart > 0xFFFFFFFF) return {};
  const DWORD dwFrequency = (DWORD)f.QuadPart;
  DWORD last[3] = {0, 0, 0};  // newest first
  DWORD dwCycleSum = 0, dwMicroSum = 0;
  HANDLE hThread = ::GetCurrentThread();
  for (int nTry = 1; nTry <= 20; nTry++) {
    LARGE_INTEGER t;
    DWORD s0 = 0, s1 = 0;
    ::QueryPerformanceCounter(&t);
    const int nPriority = ::GetThreadPriority(hThread);
    if (nPriority != THREAD_PRIORITY_ERROR_RETURN) ::SetThreadPriority(hThread, THREAD_PRIORITY_TIME_CRITICAL);
    PollCounter(&t, 50, &s0);
    const DWORD t0 = t.LowPart;
    PollCounter(&t, 1000, &s1);
    const DWORD t1 = t.LowPart;
    if (nPriority != THREAD_PRIORITY_ERROR_RETURN) ::SetThreadPriority(hThread, nPriority);

    const DWORD cy = s1 - s0;
    DWORD us = ((t1 * 625 - t0 * 625) * 160) / (dwFrequency / 10);
    dwCycleSum += cy;
    dwMicroSum += us;
    if (us % dwFrequency > dwFrequency / 2) us++;
    last[2] = last[1];
    last[1] = last[0];
    last[0] = us != 0 ? cy / us + (cy % us > us / 2 ? 1 : 0) : 0;
    const long total = (long)last[0] + (long)last[1] + (long)last[2];
    bool bSteady = nTry >= 3;
    for (DWORD one : last) bSteady = bSteady && labs((long)one * 3 - total) < 4;
    if (bSteady) break;
  }
  if (dwMicroSum == 0) return {};
  const DWORD dwRaw = dwCycleSum / dwMicroSum;
  DWORD dwTenths = dwCycleSum * 10 / dwMicroSum;
  const DWORD dwHundredths = dwCycleSum * 100 / dwMicroSum - dwTenths * 10;
  if (dwHundredths >= 6) dwTenths++;
  return {dwCycleSum, dwMicroSum, dwRaw, dwRaw + (dwTenths - dwRaw * 10 >= 6 ? 1 : 0)};
}

DWORD Speed(DWORD dwFamilyWord, DWORD dwFeatures) {
  if (dwFamilyWord & kCloneBit) return 0;
  const DWORD dwFamily = dwFamilyWord & 0xFFFF;
  const DWORD dwCycles = 4000 * (dwFamily < 12 ? kBitScanCycles[dwFamily] : kBitScanCycles[11]);
  SpeedRecord record = {};
  if (dwFeatures & 0x10)
    record = CounterMethod();
  else if (dwFamily >= 3)
    record = BitScanMethod(dwCycles);
  return record.dwCycles == 0 && record.dwMicroseconds == 0 ? 0 : record.dwNormalised;
}

}  // namespace

extern "C" int GetCpuInfo(DWORD* pdwSpeed, DWORD* pdwType, DWORD* pdwMMX) {
  if (pdwSpeed == NULL || pdwType == NULL || pdwMMX == NULL) return 0;
  const bool bCpuid = HasCpuid();
  const DWORD dwFeatures = FeatureWord(bCpuid);
  const DWORD dwFamily = FamilyWord(bCpuid);
  *pdwSpeed = Speed(dwFamily, dwFeatures);
  *pdwType = (dwFamily & 0xFFFF) | ((g_nClone ? 1u : bCpuid ? 0u : 2u) << 16);
  *pdwMMX = (dwFeatures >> 23) & 1;
  return *pdwSpeed != 0 ? 1 : 0;
}
