#include "tests/support/CpuClassFixture.h"

#include "language/CpuClassSource.h"

namespace {

int g_fixtureCpuClass = -1;

int ReadFixtureCpuClass() {
    return g_fixtureCpuClass;
}

}  // namespace

ScopedCpuClass::ScopedCpuClass(int cpuClass)
    : previousClass_(g_fixtureCpuClass), previousReader_(CurrentCpuClassReader()) {
    g_fixtureCpuClass = cpuClass;
    SetCpuClassReader(ReadFixtureCpuClass);
}

ScopedCpuClass::~ScopedCpuClass() {
    g_fixtureCpuClass = previousClass_;
    SetCpuClassReader(previousReader_);
}
