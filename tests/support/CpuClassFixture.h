#pragma once
#include <gtest/gtest.h>

// Makes the language tables answer for one CPU class while the object lives, and puts
// the previous class reader back afterwards.
class ScopedCpuClass {
public:
    explicit ScopedCpuClass(int cpuClass);
    ~ScopedCpuClass();
    ScopedCpuClass(const ScopedCpuClass&) = delete;
    ScopedCpuClass& operator=(const ScopedCpuClass&) = delete;

private:
    int previousClass_;
    int (*previousReader_)();
};

// One fixture per CPU class, for tests whose expectations depend on the class.
template <int CpuClass>
class CpuClassFixture : public testing::Test {
private:
    ScopedCpuClass cpuClass_{CpuClass};
};

using CpuClass0Test = CpuClassFixture<0>;
using CpuClass1Test = CpuClassFixture<1>;
using CpuClass2Test = CpuClassFixture<2>;
