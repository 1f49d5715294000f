#include "launcher/url/NormaliseAddress.h"

#include <gtest/gtest.h>

namespace quivlane {
namespace {

TEST(NormaliseAddressTest, AddressWithoutSchemeGetsHttpInFront) {
    EXPECT_EQ(NormaliseAddress("www.example.org"), "http://www.example.org");
    EXPECT_EQ(NormaliseAddress("example.org/a b?c=d"), "http://example.org/a b?c=d");
    // Case counts, and other schemes are not recognised.
    EXPECT_EQ(NormaliseAddress("HTTP://EXAMPLE.ORG"), "http://HTTP://EXAMPLE.ORG");
    EXPECT_EQ(NormaliseAddress("Http://x"), "http://Http://x");
    EXPECT_EQ(NormaliseAddress("ftp://files.example.org"), "http://ftp://files.example.org");
    EXPECT_EQ(NormaliseAddress(" http://x"), "http:// http://x");
    EXPECT_EQ(NormaliseAddress("htt"), "http://htt");
}

TEST(NormaliseAddressTest, EmptyTextBecomesTheBareScheme) {
    EXPECT_EQ(NormaliseAddress(""), "http://");
}

TEST(NormaliseAddressTest, HttpAndHttpsAreLeftAsTyped) {
    EXPECT_EQ(NormaliseAddress("http://example.org"), "http://example.org");
    EXPECT_EQ(NormaliseAddress("https://example.org"), "https://example.org");
    EXPECT_EQ(NormaliseAddress("http://"), "http://");
    // "http" with no colon after it is taken as given.
    EXPECT_EQ(NormaliseAddress("httpexample.org"), "httpexample.org");
    EXPECT_EQ(NormaliseAddress("http"), "http");
    EXPECT_EQ(NormaliseAddress("https//example.org"), "https//example.org");
    // Slips further on in an address that begins well are not touched.
    EXPECT_EQ(NormaliseAddress("http://a.org/?u=htpp://b&v=http//c"),
              "http://a.org/?u=htpp://b&v=http//c");
}

TEST(NormaliseAddressTest, MisspeltSchemesAreRepaired) {
    EXPECT_EQ(NormaliseAddress("htpp://example.org"), "http://example.org");
    EXPECT_EQ(NormaliseAddress("http//example.org"), "http://example.org");
    EXPECT_EQ(NormaliseAddress("htpp//example.org"), "http://example.org");
    EXPECT_EQ(NormaliseAddress("htpp://"), "http://");
}

TEST(NormaliseAddressTest, RepairReachesEveryOccurrenceOfTheSameSlip) {
    EXPECT_EQ(NormaliseAddress("htpp://a.org/redirect?to=htpp://b.org"),
              "http://a.org/redirect?to=http://b.org");
    EXPECT_EQ(NormaliseAddress("http//a.org/http//b"), "http://a.org/http://b");
    EXPECT_EQ(NormaliseAddress("htpp//a.org/htpp//b"), "http://a.org/http://b");
    // Only the slip found at the start is looked for elsewhere.
    EXPECT_EQ(NormaliseAddress("htpp://a.org/http//b"), "http://a.org/http//b");
    EXPECT_EQ(NormaliseAddress("http//a.org/htpp//b"), "http://a.org/htpp//b");
}

}  // namespace
}  // namespace quivlane
