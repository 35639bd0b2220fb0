#include <gtest/gtest.h>

#include <string>

#include "query.h"

namespace vontra::scores {
namespace {

TEST(DecodeLookupName, OnlyNamesTheGameCouldHaveSent) {
  const struct {
    const char* param;
    const char* name;  // nullptr: refused before any database call
  } cases[] = {
      {"PgA", "PgA"},
      {"a+b", "a b"},
      {"", ""},
      {"1234567890", "1234567890"},
      {"%D0%92%D0%BE%D0%B4%D0%B8%D1%82%D0%B5%D0%BB%D1%8C", "Водитель"},
      {"%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90", "АААААААААА"},  // 10
      {"%E2%84%96", "№"},  // a Windows-1251 character outside Cyrillic
      {"PgA%00xyz", nullptr},
      {"%00", nullptr},
      {"a%0Ab", nullptr},
      {"a%7F", nullptr},
      {"%C2%85", nullptr},        // a C1 control
      {"%C2%98", nullptr},        // the byte Windows-1251 leaves unassigned, as a character
      {"%FF", nullptr},           // not UTF-8
      {"%C0%AF", nullptr},        // an overlong form
      {"%ED%A0%80", nullptr},     // a surrogate
      {"%F0%9F%98%80", nullptr},  // no Windows-1251 character
      {"12345678901", nullptr},
      {"%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90%D0%90", nullptr},  // 11
      {"%4", nullptr},
      {"%G0", nullptr},
  };
  for (const auto& c : cases) {
    const auto got = DecodeLookupName(c.param);
    if (c.name == nullptr) {
      EXPECT_FALSE(got) << c.param;
    } else {
      EXPECT_EQ(got.value_or("(refused)"), c.name) << c.param;
    }
  }
  EXPECT_FALSE(DecodeLookupName(std::string(1000, 'a')));
}

}  // namespace
}  // namespace vontra::scores
