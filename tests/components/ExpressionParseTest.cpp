// Parsing expression text into the handheld's token list: every word and symbol of the
// language, field names, Prev(), and the errors with their positions.
#include "ExpressionFixture.h"

namespace expression_test {
namespace {

TEST_F(ExpressionTest, LoadsFromTheSharedLibrary) { EXPECT_NE(nullptr, m_evaluator); }

}  // namespace
}  // namespace expression_test
