#include <gtest/gtest.h>

#include <cmath>

#include "jw/Exchange.h"

using jw::Item;

TEST(Exchange, ReadsHeaderAttributesAndRecords) {
  std::vector<Item> items = jw::ParseExchange({"hq", "hp1 100 -50.5", "hp2 1e3 0", "lg0", "lyA", "lt9", "lc2",
                                               " 0 0 10 20", "ci 1 2 3", "", "ci 0 0 50 0 360 1 0", "pt 1 1", "hs 1 2"},
                                              "jwc_temp.txt");
  ASSERT_EQ(items.size(), 12u);
  EXPECT_TRUE(jw::HasCheckLine(items));
  std::map<int, jw::Point> points = jw::PickedPoints(items);
  EXPECT_EQ(points[1], (jw::Point{100, -50.5}));
  EXPECT_EQ(points[2], (jw::Point{1000, 0}));
  EXPECT_EQ(items[4].key, 'y');
  EXPECT_EQ(items[4].text, "A");
  EXPECT_EQ(items[7].shape.kind, jw::Shape::Kind::Line);
  EXPECT_EQ(items[7].shape.b, (jw::Point{10, 20}));
  EXPECT_EQ(items[8].shape.kind, jw::Shape::Kind::Circle);
  EXPECT_EQ(items[9].shape.kind, jw::Shape::Kind::Arc);
  EXPECT_EQ(items[9].shape.end, 360);
  EXPECT_EQ(items[10].kind, Item::Kind::Other);
  EXPECT_EQ(items[10].text, "pt 1 1");
  EXPECT_EQ(items[11].kind, Item::Kind::Other);

  std::vector<jw::Record> records = jw::Records(items, {"1", "2", "3", "4"});
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].attributes, (jw::Attributes{"0", "A", "9", "2"}));
  EXPECT_FALSE(jw::HasCheckLine(jw::ParseExchange({"hqx", " 1 2 3 4"}, "x")));
}

TEST(Exchange, ARecordWithUnreadableNumbersNamesFileAndLine) {
  for (const std::string bad : {" 1 2 3", " 1 2 3 x", "ci 1 2", "ci 1 2 inf", "ci 1 2 3 4", " 1 2 3 1e999", " 0x10 0 0 0"}) {
    SCOPED_TRACE(bad);
    try {
      jw::ParseExchange({"lg0", bad}, "DrawData.txt");
      FAIL();
    } catch (const jw::Error& e) {
      EXPECT_NE(std::string(e.what()).find("DrawData.txt の 2 行目"), std::string::npos) << e.what();
    }
  }
}

TEST(Exchange, NumbersAreWrittenToSixDecimalsWithoutExponent) {
  EXPECT_EQ(jw::FormatNumber(0.91119), "0.91119");
  EXPECT_EQ(jw::FormatNumber(1500), "1500");
  EXPECT_EQ(jw::FormatNumber(-12.5), "-12.5");
  EXPECT_EQ(jw::FormatNumber(0.00001), "0.00001");
  EXPECT_EQ(jw::FormatNumber(-0.0), "0");
  EXPECT_EQ(jw::FormatNumber(-0.0000001), "0");
  EXPECT_EQ(jw::FormatNumber(1150.0000000000002), "1150");
  EXPECT_EQ(jw::FormatNumber(2.0 / 3), "0.666667");
  double back = 0;
  // What the drawing data holds reads back to the same radius text.
  ASSERT_TRUE(jw::ReadNumber("9.111900e-001", back));
  EXPECT_EQ(jw::FormatNumber(back), "0.91119");
  // No program writes a number that is not finite.
  EXPECT_THROW(jw::FormatNumber(1e308 * 10), jw::Error);
  EXPECT_THROW(jw::FormatNumber(std::nan("")), jw::Error);
}

TEST(Exchange, WriterEmitsAttributesOnlyWhereTheyChange) {
  jw::ExchangeWriter out;
  out.Add(jw::Record{{"0", "2", "1", "2"}, jw::LineShape({0, 0}, {1, 0})});
  out.Add(jw::Record{{"0", "2", "1", "5"}, jw::CircleShape({0, 0}, 2)});
  out.Use({"", "", "9", "5"});  // the current layer: group and layer stay as they are
  out.Add(jw::CircleShape({1, 1}, 0.5));
  EXPECT_EQ(out.lines(), (std::vector<std::string>{"lg0", "ly2", "lt1", "lc2", " 0 0 1 0", "lc5", "ci 0 0 2", "lt9",
                                                   "ci 1 1 0.5"}));
}
