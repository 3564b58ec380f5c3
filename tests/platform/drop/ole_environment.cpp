// The drop target lives in an OLE apartment: the test thread joins one once.
#include <ole2.h>

#include <gtest/gtest.h>

namespace {

class OleEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        const HRESULT result = OleInitialize(nullptr);
        ASSERT_TRUE(SUCCEEDED(result)) << std::hex << result;
    }
    void TearDown() override { OleUninitialize(); }
};

[[maybe_unused]] const auto* const kOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

}  // namespace
