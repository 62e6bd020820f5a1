#include "framework/dictionary.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(Dictionary, KeysKeepInsertionOrderAndOverwriteKeepsPosition) {
  Dictionary d;
  d.Value("PrefType", std::string("Global"));
  d.Value("AllTests", false);
  d.Value("FontSize", 12);
  d.Value("AllTests", true);
  ASSERT_EQ(d.Count(), 3);
  EXPECT_EQ(d.Key(0), "PrefType");
  EXPECT_EQ(d.Key(1), "AllTests");
  EXPECT_EQ(d.Key(2), "FontSize");
  EXPECT_TRUE(std::get<bool>(d.Value("AllTests")));
  EXPECT_TRUE(d.HasKey("FontSize"));
  EXPECT_FALSE(d.HasKey("fontsize"));
}

// Removing shifts the later keys; each must still be found at its new position.
TEST(Dictionary, RemoveKeepsTheOthersInOrderAndFindable) {
  Dictionary d;
  for (const char* key : {"a", "b", "c", "d"}) d.Value(key, std::string(key));
  d.Remove("b");
  d.Value("b", 2);
  d.Value("c", 3);
  ASSERT_EQ(d.Count(), 4);
  EXPECT_EQ(d.Key(0) + d.Key(1) + d.Key(2) + d.Key(3), "acdb");
  EXPECT_EQ(VariantToString(d.Value("d")), "d");
  EXPECT_EQ(VariantToInt(d.Value("c")), 3);
  EXPECT_THROW(d.Remove("e"), KeyNotFoundException);
}

// Enough keys for the index to grow several times; each is found at its place, also after a
// removal and after Clear.
TEST(Dictionary, ManyKeysStayFoundThroughGrowthRemovalAndClear) {
  // Appended rather than "k" + to_string(i): gcc 12 at -O3 warns of an overlap in the latter.
  const auto key = [](int i) { return std::string("k").append(std::to_string(i)); };
  Dictionary d;
  for (int i = 0; i < 1000; ++i) d.Value(key(i), i);
  d.Remove("k0");
  for (int i = 1; i < 1000; ++i) {
    ASSERT_EQ(VariantToInt(d.Value(key(i))), i);
    ASSERT_EQ(d.Key(i - 1), key(i));
  }
  EXPECT_FALSE(d.HasKey("k0"));
  d.Clear();
  EXPECT_EQ(d.Count(), 0);
  EXPECT_FALSE(d.HasKey("k1"));
  d.Value("k1", 1);
  EXPECT_EQ(d.Key(0), "k1");
}

TEST(Dictionary, MissingKeysAndPositionsRaise) {
  Dictionary d;
  EXPECT_THROW(d.Value("Sound"), KeyNotFoundException);
  EXPECT_THROW(d.Key(0), OutOfBoundsException);
  d.Value("Sound", true);
  EXPECT_THROW(d.Key(-1), OutOfBoundsException);
}

TEST(Dictionary, ValuesConvertAsTheProgramReadsThem) {
  EXPECT_EQ(VariantToInt(Variant(12.9)), 12);
  EXPECT_EQ(VariantToDouble(Variant(std::int32_t{12})), 12.0);
  EXPECT_TRUE(VariantToBool(Variant(std::int32_t{2})));
  EXPECT_EQ(VariantToString(Variant(true)), "True");
}

TEST(Ref, NilAccessRaises) {
  Ref<Dictionary> nothing;
  EXPECT_THROW(nothing->Count(), NilObjectException);
  Ref<Dictionary> some = New<Dictionary>();
  Ref<Dictionary> same = some;
  same->Value("a", 1);
  EXPECT_EQ(some->Count(), 1);  // shared, not copied
}
