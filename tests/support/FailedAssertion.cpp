// A failed ASSERT in the code under test fails the running test, with the
// file, line and expression of the check. Installed before main runs.
#include "framework/core/AfxBase.h"

#include <gtest/gtest.h>

namespace {

void FailTheRunningTest(const char* file, int line, const char* expression)
{
    ADD_FAILURE_AT(file, line) << "ASSERT(" << expression << ") failed";
}

const AFX_ASSERT_HANDLER g_pfnInstalled = AfxSetAssertHandler(FailTheRunningTest);

} // namespace
