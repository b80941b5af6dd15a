#include "web/exchange_record.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace ftq {
namespace {

TEST(ExchangeRecord, emptyRecord_isSevenZeroCounts)
{
    MemoryFile file;
    ASSERT_TRUE(ExchangeRecord{}.writeTo(file));
    EXPECT_EQ(file.bytes(), std::string(28, '\0'));

    ExchangeRecord back;
    back.set(3, "stale");
    ASSERT_TRUE(back.readFrom(file));
    for (int slot = 0; slot < ExchangeRecord::slotCount; ++slot)
        EXPECT_TRUE(back.bytes(slot).empty()) << slot;
}

TEST(ExchangeRecord, slotsAreCountedLittleEndian_andKeepZeroBytes)
{
    ExchangeRecord record;
    record.set(ExchangeRecord::Url, "http://a/");
    record.set(ExchangeRecord::RequestBody, "x\0y"s);
    record.set(ExchangeRecord::AllowRedirect, std::string(300, 'r'));
    MemoryFile file;
    ASSERT_TRUE(record.writeTo(file));

    const std::string &raw = file.bytes();
    EXPECT_EQ(raw.substr(0, 13), "\x09\0\0\0http://a/"s);
    EXPECT_EQ(raw.substr(raw.size() - 304, 4), "\x2c\x01\0\0"s);

    ExchangeRecord back;
    ASSERT_TRUE(back.readFrom(file));
    EXPECT_EQ(back.bytes(ExchangeRecord::RequestBody), "x\0y"s);
    EXPECT_EQ(back.text(ExchangeRecord::RequestBody), "x");
    EXPECT_EQ(back.bytes(ExchangeRecord::AllowRedirect), std::string(300, 'r'));
}

TEST(ExchangeRecord, shorterRewrite_readsBackShort)
{
    ExchangeRecord record;
    for (int slot = 0; slot < ExchangeRecord::slotCount; ++slot)
        record.set(slot, std::string(100, static_cast<char>('a' + slot)));
    MemoryFile file;
    ASSERT_TRUE(record.writeTo(file));
    const size_t longSize = file.bytes().size();

    ExchangeRecord shorter;
    shorter.set(ExchangeRecord::Body, "reply");
    ASSERT_TRUE(shorter.writeTo(file));
    EXPECT_EQ(file.bytes().size(), longSize); // the old tail stays, unread

    ExchangeRecord back;
    ASSERT_TRUE(back.readFrom(file));
    EXPECT_EQ(back.bytes(ExchangeRecord::Body), "reply");
    EXPECT_TRUE(back.bytes(ExchangeRecord::ReplyHeaders).empty());
}

TEST(ExchangeRecord, truncatedFile_failsToRead)
{
    for (const std::string &raw : {""s, "\x01\0\0"s, "\x05\0\0\0abc"s}) {
        MemoryFile file;
        file.write(raw);
        ExchangeRecord back;
        EXPECT_FALSE(back.readFrom(file)) << raw.size();
    }
}

TEST(ExchangeRecord, outOfRangeSlots_areEmptyAndIgnored)
{
    ExchangeRecord record;
    record.set(7, "x");
    record.set(-1, "x");
    EXPECT_TRUE(record.bytes(7).empty());
    EXPECT_TRUE(record.text(-1).empty());
}

} // namespace
} // namespace ftq
