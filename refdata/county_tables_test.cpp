#include "refdata/county_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr size_t kCountyColumnWidth = 22;
// Names longer than this are shortened when the tables are built.
constexpr size_t kLongestCountyName = 20;

bool isUpperLetters(const char* key) {
  if (key[0] == '\0') return false;
  for (const char* p = key; *p != '\0'; ++p) {
    if (*p < 'A' || *p > 'Z') return false;
  }
  return true;
}

std::string upper(const char* text) {
  std::string result = text;
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

// Key forms of the single-state tables.
enum class KeyForm {
  Plain,           // every key has minKey to maxKey letters
  OwnNameOfThree,  // as Plain, and a 3-letter key is the 3-letter county name itself
  StatePrefixed,   // a 3-letter code, and the same code with the state code in front
};

// What one single-state table must hold.
struct CountyTableFacts {
  StateNumber state;                                          // party served
  const char* code;                                           // its state code
  size_t rows;                                                // rows in the table
  size_t counties;                                            // distinct county names
  size_t minKey;                                              // shortest key
  size_t maxKey;                                              // longest key
  KeyForm form;                                               // further key rule
  std::vector<std::pair<const char*, const char*>> examples;  // key, county name
};

const std::vector<CountyTableFacts>& countyTableFacts() {
  static const std::vector<CountyTableFacts> tables = {
      {1, "AL", 133, 67, 3, 4, KeyForm::Plain, {{"AUT", "Autauga"}, {"AUTA", "Autauga"}, {"LEE", "Lee"}}},
      {3,
       "AZ",
       30,
       15,
       3,
       5,
       KeyForm::StatePrefixed,
       {{"APH", "Apache"}, {"AZAPH", "Apache"}, {"MCP", "Maricopa"}, {"AZMCP", "Maricopa"}}},
      {4,
       "CA",
       136,
       58,
       2,
       4,
       KeyForm::Plain,
       {{"SF", "San Francisco"},
        {"SFRA", "San Francisco"},
        {"SANF", "San Francisco"},
        {"FRAN", "San Francisco"},
        {"FRIS", "San Francisco"},
        {"LAX", "Los Angeles"},
        {"LANG", "Los Angeles"}}},
      {5, "CO", 64, 64, 3, 3, KeyForm::Plain, {{"KIC", "Kit Carson"}}},
      {8, "FL", 69, 67, 3, 3, KeyForm::Plain, {{"MAN", "Manatee"}, {"MAT", "Manatee"}, {"MTE", "Manatee"}}},
      {9, "GA", 159, 159, 3, 4, KeyForm::OwnNameOfThree, {{"APPL", "Appling"}, {"LEE", "Lee"}}},
      {11, "IA", 99, 99, 3, 3, KeyForm::Plain, {{"OBR", "O'Brien"}}},
      {13, "IL", 102, 102, 3, 4, KeyForm::OwnNameOfThree, {{"JODA", "Jo Daviess"}}},
      {14, "IN", 92, 92, 3, 4, KeyForm::Plain, {{"LAP", "LaPorte"}, {"TIPP", "Tippecanoe"}, {"BEN", "Benton"}}},
      {15, "KS", 105, 105, 3, 3, KeyForm::Plain, {{"LCN", "Lincoln"}}},
      {16, "KY", 120, 120, 3, 3, KeyForm::Plain, {{"KNT", "Knott"}}},
      {21, "MI", 83, 83, 3, 4, KeyForm::OwnNameOfThree, {{"KEWE", "Keweenaw"}, {"BAY", "Bay"}}},
      {22, "MN", 87, 87, 3, 3, KeyForm::Plain, {{"MAH", "Mahnomen"}}},
      {23, "MO", 115, 115, 3, 3, KeyForm::Plain, {{"ADR", "Adair"}}},
      {26, "NC", 100, 100, 3, 3, KeyForm::Plain, {{"ALA", "Alamance"}}},
      {31, "NM", 33, 33, 3, 3, KeyForm::Plain, {{"LOS", "Los Alamos"}}},
      {32, "NV", 16, 16, 3, 3, KeyForm::Plain, {{"CHU", "Churchill"}}},
      {33, "NY", 62, 62, 3, 3, KeyForm::Plain, {{"NEW", "New York"}}},
      {34, "OH", 88, 88, 4, 4, KeyForm::Plain, {{"LAWR", "Lawrence"}}},
      {37, "PA", 67, 67, 3, 3, KeyForm::Plain, {{"JEF", "Jefferson"}}},
      {40, "SD", 66, 66, 3, 4, KeyForm::OwnNameOfThree, {{"HUTC", "Hutchinson"}, {"DAY", "Day"}}},
      {41, "TN", 95, 95, 4, 4, KeyForm::Plain, {{"KNOX", "Knox"}}},
      {42, "TX", 254, 254, 3, 4, KeyForm::OwnNameOfThree, {{"JWEL", "Jim Wells"}, {"BEE", "Bee"}}},
      {44, "VA", 95, 95, 3, 3, KeyForm::Plain, {{"JAM", "James City"}, {"FFX", "Fairfax"}}},
      {46, "WA", 39, 39, 3, 4, KeyForm::Plain, {{"KITT", "Kittitas"}}},
      {47, "WI", 72, 72, 3, 3, KeyForm::Plain, {{"MAN", "Manitowoc"}}},
      // The parties added with the sponsors' own lists: one key per county, region or district.
      {2, "AR", 75, 75, 3, 3, KeyForm::Plain, {}},
      {6, "CT", 17, 17, 3, 3, KeyForm::Plain, {}},
      {7, "DE", 3, 3, 3, 3, KeyForm::Plain, {}},
      {10, "HI", 14, 14, 3, 3, KeyForm::Plain, {}},
      {12, "ID", 44, 44, 3, 3, KeyForm::Plain, {}},
      {17, "LA", 64, 64, 3, 4, KeyForm::Plain, {}},
      {19, "MD", 25, 25, 3, 3, KeyForm::Plain, {}},
      {20, "ME", 16, 16, 3, 3, KeyForm::Plain, {}},
      {24, "MS", 82, 82, 3, 3, KeyForm::Plain, {}},
      {25, "MT", 56, 56, 3, 3, KeyForm::Plain, {}},
      {27, "ND", 53, 53, 3, 3, KeyForm::Plain, {}},
      {28, "NE", 93, 93, 4, 4, KeyForm::Plain, {}},
      {29, "NH", 10, 10, 3, 3, KeyForm::Plain, {}},
      {30, "NJ", 21, 21, 4, 4, KeyForm::Plain, {}},
      {35, "OK", 77, 77, 3, 3, KeyForm::Plain, {}},
      {36, "OR", 36, 36, 3, 3, KeyForm::Plain, {}},
      {38, "RI", 5, 5, 3, 3, KeyForm::Plain, {}},
      {39, "SC", 46, 46, 3, 4, KeyForm::Plain, {}},
      {43, "UT", 29, 29, 3, 3, KeyForm::Plain, {}},
      {45, "VT", 14, 14, 3, 3, KeyForm::Plain, {}},
      {48, "WV", 55, 55, 3, 3, KeyForm::Plain, {}},
      {49, "WY", 23, 23, 3, 3, KeyForm::Plain, {}},
      {57, "BC", 43, 43, 3, 3, KeyForm::Plain, {}},
      {58, "ON", 50, 50, 3, 3, KeyForm::Plain, {}},
      {59, "QC", 17, 17, 3, 3, KeyForm::Plain, {}},
  };
  return tables;
}

TEST(CountyTables, EachSingleStateTableHoldsItsRows) {
  size_t total = 0;
  for (const CountyTableFacts& facts : countyTableFacts()) {
    SCOPED_TRACE(facts.code);
    EXPECT_STREQ(stateCodeOf(facts.state), facts.code);
    const CountyTable* table = countyTableOf(facts.state);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->count, facts.rows);
    total += table->count;
    std::set<std::string> names;
    for (size_t i = 0; i < table->count; ++i) {
      const CountyRow& row = table->rows[i];
      SCOPED_TRACE(row.key);
      if (i > 0) {
        EXPECT_LT(std::string_view(table->rows[i - 1].key), row.key);
      }
      EXPECT_TRUE(isUpperLetters(row.key));
      const size_t keyLength = std::strlen(row.key);
      EXPECT_GE(keyLength, facts.minKey);
      EXPECT_LE(keyLength, facts.maxKey);
      const size_t nameLength = std::strlen(row.name);
      EXPECT_GT(nameLength, 0u);
      EXPECT_LE(nameLength, kLongestCountyName);
      EXPECT_EQ(findCounty(*table, row.key), row.name);
      names.insert(row.name);
      if (facts.form == KeyForm::OwnNameOfThree && keyLength == 3) {
        EXPECT_EQ(upper(row.name), row.key);
      }
      if (facts.form == KeyForm::StatePrefixed) {
        if (keyLength == 3) {
          EXPECT_STREQ(findCounty(*table, (std::string(facts.code) + row.key).c_str()), row.name);
        } else {
          EXPECT_EQ(std::strncmp(row.key, facts.code, 2), 0);
          EXPECT_EQ(keyLength, 5u);
        }
      }
    }
    EXPECT_EQ(names.size(), facts.counties);
    if (facts.form == KeyForm::OwnNameOfThree) {
      for (const std::string& name : names) {
        if (name.size() == 3) {
          EXPECT_NE(findCounty(*table, upper(name.c_str()).c_str()), nullptr) << name;
        }
      }
    }
    for (const auto& example : facts.examples) {
      EXPECT_STREQ(findCounty(*table, example.first), example.second) << example.first;
    }
  }
  EXPECT_EQ(total, 3349u);
}

TEST(CountyTables, AlabamaHasTwoCodesPerCountyButLee) {
  const CountyTable* table = countyTableOf(1);
  ASSERT_NE(table, nullptr);
  std::map<std::string, std::vector<size_t>> keyLengths;
  for (size_t i = 0; i < table->count; ++i) {
    keyLengths[table->rows[i].name].push_back(std::strlen(table->rows[i].key));
  }
  for (const auto& county : keyLengths) {
    if (county.first == "Lee") {
      EXPECT_EQ(county.second, std::vector<size_t>{3});
    } else {
      std::multiset<size_t> lengths(county.second.begin(), county.second.end());
      EXPECT_EQ(lengths, (std::multiset<size_t>{3, 4})) << county.first;
    }
  }
}

TEST(CountyTables, OnlyTheSingleStateAndProvincialPartiesHaveATable) {
  std::set<StateNumber> withTable;
  for (const CountyTableFacts& facts : countyTableFacts()) withTable.insert(facts.state);
  for (StateNumber n = -2; n <= kStateCount + 1; ++n) {
    EXPECT_EQ(countyTableOf(n) != nullptr, withTable.count(n) == 1) << n;
  }
}

// What one multi-state table must hold.
struct PartyTableFacts {
  const char* label;                               // table named in failures
  const PartyCountyTable& table;                   // table checked
  size_t rows;                                     // rows in the table
  std::map<std::string, size_t> countiesPerState;  // distinct county names per state
};

void checkPartyTable(const PartyTableFacts& facts, std::map<std::string, size_t>& rowsPerState) {
  SCOPED_TRACE(facts.label);
  ASSERT_EQ(facts.table.count, facts.rows);
  std::map<std::string, std::set<std::string>> counties;
  for (size_t i = 0; i < facts.table.count; ++i) {
    const PartyCountyRow& row = facts.table.rows[i];
    SCOPED_TRACE(row.key);
    if (i > 0) {
      EXPECT_LT(std::string_view(facts.table.rows[i - 1].key), row.key);
    }
    EXPECT_TRUE(isUpperLetters(row.key));
    EXPECT_EQ(std::strlen(row.state), 2u);
    EXPECT_NE(findStateCode(row.state), nullptr);
    EXPECT_GT(std::strlen(row.name), 0u);
    EXPECT_LE(std::strlen(row.name), kCountyColumnWidth);
    const std::optional<StateCountyPair> pair = findPartyCounty(facts.table, row.key);
    ASSERT_TRUE(pair.has_value());
    EXPECT_EQ(pair->state, row.state);
    EXPECT_EQ(pair->county, row.name);
    counties[row.state].insert(row.name);
    ++rowsPerState[row.state];
  }
  std::map<std::string, size_t> countyCounts;
  for (const auto& state : counties) countyCounts[state.first] = state.second.size();
  EXPECT_EQ(countyCounts, facts.countiesPerState);
}

TEST(PartyCountyTables, NewEnglandHasTwoKeysPerCounty) {
  std::map<std::string, size_t> rowsPerState;
  checkPartyTable({"NEQP", neqpCounties(), 134, {{"CT", 8}, {"MA", 14}, {"ME", 16}, {"NH", 10}, {"RI", 5}, {"VT", 14}}},
                  rowsPerState);
  // A three-letter party code and a five-letter key ending in the state code, per county.
  const PartyCountyTable& table = neqpCounties();
  std::map<std::pair<std::string, std::string>, std::multiset<size_t>> keyLengths;
  for (size_t i = 0; i < table.count; ++i) {
    const PartyCountyRow& row = table.rows[i];
    const size_t length = std::strlen(row.key);
    if (length == 5) {
      EXPECT_STREQ(row.key + 3, row.state) << row.key;
    }
    keyLengths[{row.state, row.name}].insert(length);
  }
  EXPECT_EQ(keyLengths.size(), 67u);
  for (const auto& county : keyLengths) {
    EXPECT_EQ(county.second, (std::multiset<size_t>{3, 5})) << county.first.second;
  }
}

TEST(PartyCountyTables, SevenLandKeysAreStateAndThreeLetters) {
  std::map<std::string, size_t> rowsPerState;
  const std::map<std::string, size_t> perState = {{"AZ", 15}, {"ID", 44}, {"MT", 56}, {"NV", 16},
                                                  {"OR", 36}, {"UT", 29}, {"WA", 39}, {"WY", 23}};
  checkPartyTable({"7QP", sevenQpCounties(), 258, perState}, rowsPerState);
  EXPECT_EQ(rowsPerState, perState);
  const PartyCountyTable& table = sevenQpCounties();
  for (size_t i = 0; i < table.count; ++i) {
    EXPECT_EQ(std::strlen(table.rows[i].key), 5u) << table.rows[i].key;
    EXPECT_EQ(std::strncmp(table.rows[i].key, table.rows[i].state, 2), 0) << table.rows[i].key;
  }
}

TEST(PartyCountyTables, AllStatesHasEveryStatesCounties) {
  const std::map<std::string, size_t> perState = {
      {"AK", 4},   {"AL", 67}, {"AR", 75}, {"AZ", 15}, {"CA", 58},  {"CO", 64},  {"CT", 8},   {"DE", 3},   {"FL", 67},
      {"GA", 159}, {"HI", 5},  {"IA", 99}, {"ID", 44}, {"IL", 102}, {"IN", 92},  {"KS", 105}, {"KY", 120}, {"LA", 64},
      {"MA", 14},  {"MD", 24}, {"ME", 16}, {"MI", 83}, {"MN", 87},  {"MO", 115}, {"MS", 82},  {"MT", 56},  {"NC", 100},
      {"ND", 53},  {"NE", 93}, {"NH", 10}, {"NJ", 21}, {"NM", 33},  {"NV", 16},  {"NY", 62},  {"OH", 88},  {"OK", 77},
      {"OR", 36},  {"PA", 67}, {"RI", 5},  {"SC", 46}, {"SD", 66},  {"TN", 95},  {"TX", 254}, {"UT", 29},  {"VA", 95},
      {"VT", 14},  {"WA", 39}, {"WI", 72}, {"WV", 55}, {"WY", 23},
  };
  std::map<std::string, size_t> rowsPerState;
  checkPartyTable({"all states", allStatesCounties(), 3077, perState}, rowsPerState);
  EXPECT_EQ(rowsPerState, perState);
  const PartyCountyTable& table = allStatesCounties();
  for (size_t i = 0; i < table.count; ++i) {
    const size_t length = std::strlen(table.rows[i].key);
    EXPECT_TRUE(length == 5 || length == 6) << table.rows[i].key;
    EXPECT_EQ(std::strncmp(table.rows[i].key, table.rows[i].state, 2), 0) << table.rows[i].key;
  }
}

// A text to look up in a multi-state table and the pair it must give.
struct PartyCase {
  const char* text;    // text looked up
  const char* state;   // nullptr: a miss
  const char* county;  // county name of a hit
};

void expectPartyCases(const PartyCountyTable& table, const std::vector<PartyCase>& cases) {
  for (const PartyCase& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string before = c.text;
    const std::optional<StateCountyPair> pair = findPartyCounty(table, c.text);
    EXPECT_EQ(before, c.text);
    if (c.state == nullptr) {
      EXPECT_FALSE(pair.has_value());
      continue;
    }
    ASSERT_TRUE(pair.has_value());
    EXPECT_STREQ(pair->state, c.state);
    EXPECT_STREQ(pair->county, c.county);
  }
}

TEST(FindPartyCounty, NewEngland) {
  expectPartyCases(neqpCounties(), {
                                       {"BRR", "RI", "Bristol"},
                                       {"BRM", "MA", "Bristol"},
                                       {"BRIMA", "MA", "Bristol"},
                                       {"BRIRI", "RI", "Bristol"},
                                       {"ESM", "MA", "Essex"},
                                       {"ESV", "VT", "Essex"},
                                       {"ESSMA", "MA", "Essex"},
                                       {"ESSVT", "VT", "Essex"},
                                       {"ADD", "VT", "Addison"},
                                       {"ADDVT", "VT", "Addison"},
                                       {"BRI", nullptr, nullptr},  // between keys, a prefix of BRIMA
                                       {"brr", nullptr, nullptr},
                                       {"BRR ", nullptr, nullptr},
                                       {"", nullptr, nullptr},
                                       {"A", nullptr, nullptr},         // before the first key
                                       {"ZZZZZZZZ", nullptr, nullptr},  // after the last key, longer than every key
                                       {"ADDVTX", nullptr, nullptr},
                                   });
}

TEST(FindPartyCounty, SevenLand) {
  expectPartyCases(sevenQpCounties(), {
                                          {"AZAPH", "AZ", "Apache"},
                                          {"NVWHI", "NV", "White Pine"},
                                          {"APH", nullptr, nullptr},
                                          {"NVCAR", nullptr, nullptr},
                                          {"azaph", nullptr, nullptr},
                                          {"AZ", nullptr, nullptr},
                                          {"", nullptr, nullptr},
                                          {"ZZZZZZZZZZZZZZZZZZZZZZZZ", nullptr, nullptr},
                                      });
}

TEST(FindPartyCounty, AllStates) {
  expectPartyCases(allStatesCounties(), {
                                            {"ALAUTA", "AL", "Autauga"},
                                            {"IAIDA", "IA", "Ida"},
                                            {"AKONE", "AK", "First JD (SE)"},
                                            {"AKTWO", "AK", "Second JD (NW)"},
                                            {"AKTHRE", "AK", "Third JD (SC)"},
                                            {"AKFOUR", "AK", "Fourth JD (C)"},
                                            {"AKTHR", nullptr, nullptr},    // a prefix of AKTHRE
                                            {"AKTHREE", nullptr, nullptr},  // AKTHRE followed by more
                                            {"AK", nullptr, nullptr},
                                            {"AKTHRE ", nullptr, nullptr},
                                            {"akthre", nullptr, nullptr},
                                            {"", nullptr, nullptr},
                                            {"\x7f", nullptr, nullptr},
                                            {"\xff\xff\xff\xff\xff\xff\xff\xff", nullptr, nullptr},
                                        });
}

TEST(FindCounty, EdgeCases) {
  struct Case {
    StateNumber state;     // party whose table is searched
    const char* text;      // text looked up
    const char* expected;  // nullptr: a miss
  };
  const Case cases[] = {
      {3, "MCP", "Maricopa"},
      {3, "AZMCP", "Maricopa"},
      {4, "LAX", "Los Angeles"},
      {4, "LANG", "Los Angeles"},
      {4, "SF", "San Francisco"},
      {3, "mcp", nullptr},   // case-sensitive
      {3, "MCP ", nullptr},  // trailing blank
      {3, " MCP", nullptr},
      {3, "MC", nullptr},  // proper prefix of a key
      {3, "AZMC", nullptr},
      {3, "", nullptr},                  // the empty text
      {3, "AAA", nullptr},               // before the first key
      {3, "ZZZZZZZZZZZZZZZZ", nullptr},  // after the last key
      {3, "AZMCPAZMCPAZMCP", nullptr},
      {1, "AUTAU", nullptr},
      {14, "TPP", nullptr},
      {44, "RIX", nullptr},  // independent cities are not in the Virginia table
  };
  for (const Case& c : cases) {
    const CountyTable* table = countyTableOf(c.state);
    ASSERT_NE(table, nullptr);
    EXPECT_STREQ(findCounty(*table, c.text), c.expected) << stateCodeOf(c.state) << " \"" << c.text << '"';
  }
  EXPECT_EQ(findCounty(*countyTableOf(1), nullptr), nullptr);
  EXPECT_FALSE(findPartyCounty(neqpCounties(), nullptr).has_value());
}

TEST(FindCounty, SearchesOnlyTheRowsOfItsTable) {
  // A table view one row short must not find the last row, nor an empty one anything.
  const CountyTable& full = *countyTableOf(32);
  const CountyRow& last = full.rows[full.count - 1];
  ASSERT_STREQ(findCounty(full, last.key), last.name);
  const CountyTable shorter{full.rows, full.count - 1};
  EXPECT_EQ(findCounty(shorter, last.key), nullptr);
  const CountyTable empty{full.rows, 0};
  EXPECT_EQ(findCounty(empty, full.rows[0].key), nullptr);
  const PartyCountyTable& party = allStatesCounties();
  const PartyCountyTable partyShorter{party.rows, party.count - 1};
  EXPECT_FALSE(findPartyCounty(partyShorter, party.rows[party.count - 1].key).has_value());
}

}  // namespace
