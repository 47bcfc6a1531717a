// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookTable.h"

#include <array>

namespace {

// Book numbers as stored in question lines; the table below is filled by
// them, so index = number - 1.
enum BookNumber {
    Genesis = 1, Exodus, Leviticus, Numbers, Deuteronomy, Joshua, Judges, Ruth, Samuel1, Samuel2,
    Kings1, Kings2, Chronicles1, Chronicles2, Ezra, Nehemiah, Esther, Job, Psalms, Proverbs,
    Ecclesiastes, SongOfSongs, Isaiah, Jeremiah, Lamentations, Ezekiel, Daniel, Hosea, Joel, Amos,
    Obadiah, Jonah, Micah, Nahum, Habakkuk, Zephaniah, Haggai, Zechariah, Malachi, Matthew,
    Mark, Luke, John, Acts, Romans, Corinthians1, Corinthians2, Galatians, Ephesians, Philippians,
    Colossians, Thessalonians1, Thessalonians2, Timothy1, Timothy2, Titus, Philemon, Hebrews, James,
    Peter1, Peter2, John1, John2, John3, Jude, Revelation, Catechism, Other
};

struct Entry
{
    BookNumber number;
    const char* abbreviation;
};

constexpr Entry entries[] = {
    {Genesis, "Gen."}, {Exodus, "Ex."}, {Leviticus, "Lev."}, {Numbers, "Num."},
    {Deuteronomy, "Deut."}, {Joshua, "Josh."}, {Judges, "Judg."}, {Ruth, "Ruth"},
    {Samuel1, "1 Sam."}, {Samuel2, "2 Sam."}, {Kings1, "1 Kings"}, {Kings2, "2 Kings"},
    {Chronicles1, "1 Chr."}, {Chronicles2, "2 Chr."}, {Ezra, "Ezra"}, {Nehemiah, "Neh."},
    {Esther, "Est."}, {Job, "Job"}, {Psalms, "Ps."}, {Proverbs, "Prov."},
    {Ecclesiastes, "Ecc."}, {SongOfSongs, "Song."}, {Isaiah, "Is."}, {Jeremiah, "Jer."},
    {Lamentations, "Lam."}, {Ezekiel, "Ez."}, {Daniel, "Dan."}, {Hosea, "Hos."},
    {Joel, "Joel"}, {Amos, "Amos"}, {Obadiah, "Obad."}, {Jonah, "Jon."},
    {Micah, "Mic."}, {Nahum, "Nah."}, {Habakkuk, "Hab."}, {Zephaniah, "Zeph."},
    {Haggai, "Hag."}, {Zechariah, "Zech."}, {Malachi, "Mal."}, {Matthew, "Matt."},
    {Mark, "Mark"}, {Luke, "Luke"}, {John, "John"}, {Acts, "Acts"},
    {Romans, "Rom."}, {Corinthians1, "1 Cor."}, {Corinthians2, "2 Cor."}, {Galatians, "Gal."},
    {Ephesians, "Eph."}, {Philippians, "Phil."}, {Colossians, "Col."}, {Thessalonians1, "1 Thes."},
    {Thessalonians2, "2 Thes."}, {Timothy1, "1 Tim."}, {Timothy2, "2 Tim."}, {Titus, "Titus."},
    {Philemon, "Phle."}, {Hebrews, "Heb."}, {James, "James."}, {Peter1, "1 Peter"},
    {Peter2, "2 Peter"}, {John1, "1 John"}, {John2, "2 John"}, {John3, "3 John"},
    {Jude, "Jude"}, {Revelation, "Rev."}, {Catechism, "Ctsm."}, {Other, "Othr."},
};
static_assert(std::size(entries) == BookCount);

constexpr std::array<const char*, BookCount> makeTable()
{
    std::array<const char*, BookCount> table{};
    for (const Entry& entry : entries)
        table[entry.number - 1] = entry.abbreviation;
    return table;
}

constexpr auto table = makeTable();

} // namespace

QByteArrayView BookAbbreviation(int index)
{
    return QByteArrayView(table.at(std::size_t(index)));
}
