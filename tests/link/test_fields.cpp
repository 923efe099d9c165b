// The table of the record's settings accounts for every byte of the record once.
#include <gtest/gtest.h>

#include <set>

#include "link/fields.h"

using namespace trx::link;

namespace {

// The bytes a member holds, from its type alone.
std::size_t MemberBytes(const Setting& s) {
  return std::visit(
      [&](auto member) -> std::size_t {
        using T = std::remove_reference_t<decltype(SettingsRecord{}.*member)>;
        if constexpr (std::is_same_v<T, std::string>)
          return s.place.size;  // a text fills its area
        else
          return sizeof(T);
      },
      s.member);
}

TEST(Fields, EveryByteOfTheRecordBelongsToOneSettingOrIsReserved) {
  std::vector<std::vector<std::string>> owners(kRecordSize);
  const auto claim = [&](Field f, const std::string& by) {
    ASSERT_LE(f.offset + f.size, kRecordSize) << by << " runs past the record";
    for (std::size_t i = f.offset; i < f.offset + f.size; ++i) owners[i].push_back(by);
  };
  for (const Setting& s : Settings()) {
    EXPECT_EQ(s.place.size, MemberBytes(s)) << s.name << ": its place and its member differ in size";
    claim(s.place, std::string(s.name));
  }
  for (const Field& f : ReservedBytes()) claim(f, "reserved");
  for (std::size_t i = 0; i < kRecordSize; ++i) {
    EXPECT_FALSE(owners[i].empty()) << "byte " << i << " belongs to no setting and is not reserved";
    EXPECT_LE(owners[i].size(), 1u) << "byte " << i << " belongs to " << owners[i].front() << " and "
                                    << owners[i].back();
  }
}

TEST(Fields, ColumnsAndComparisonsAreNamedOnce) {
  std::set<std::string_view> columns, compared;
  for (const Setting& s : Settings())
    for (const std::string_view c : Columns(s)) EXPECT_TRUE(columns.insert(c).second) << c << " twice";
  int rank = 0;
  for (const Setting* s : ComparedSettings()) {
    EXPECT_EQ(s->rank, ++rank) << s->setting << ": ranks run 1, 2, 3 ... without a gap or a tie";
    EXPECT_FALSE(s->setting.empty()) << s->name << " is compared under no name";
    EXPECT_TRUE(compared.insert(s->setting).second);
  }
}

// Columns show the device's bytes as trx61ctl prints them: its texts as UTF-8, the keys of the size in use.
TEST(Fields, ColumnsShowTheRecordAsTrx61ctlPrintsIt) {
  SettingsRecord r;
  r.hostName = "caf\xE9";  // Windows-1252
  r.wepOn = 1;
  r.keySize = 3;
  r.keys256[2][0] = 0xAB;
  const auto shown = [&](std::string_view column) {
    for (const Setting& s : Settings())
      for (std::size_t c = 0; c < Columns(s).size(); ++c)
        if (Columns(s)[c] == column) return s.shown(r, c);
    return std::string("none");
  };
  EXPECT_EQ(shown("host"), "caf\xC3\xA9");
  EXPECT_EQ(shown("wep"), "256");
  EXPECT_EQ(shown("key3").substr(0, 4), "AB00");
  EXPECT_EQ(shown("default_key"), "1");
  EXPECT_EQ(shown("dhcp"), "no");
}

}  // namespace
