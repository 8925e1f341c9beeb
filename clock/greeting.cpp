#include "greeting.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

struct GreetingRange
{
    int lastHhmm; // inclusive; a shared limit belongs to the earlier range
    QStringView text;
};

// Tested in order against hour * 100 + minute.
constexpr std::array<GreetingRange, 11> greetings{{
    {828, u"おはようございます"},
    {1000, u"今日も一日楽しくね"},
    {1031, u"お茶にしませんか"},
    {1145, u"こんにちは"},
    {1200, u"そろそろお昼ですよ"},
    {1501, u"こんにちは"},
    {1531, u"お茶にしませんか"},
    {1731, u"こんにちは"},
    {1900, u"残業ですか"},
    {2000, u"今晩は"},
    {2400, u"お疲れさん"},
}};

} // namespace

QString greetingFor(int hour, int minute)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return u"????"_s;
    const int hhmm = hour * 100 + minute;
    for (const GreetingRange &range : greetings) {
        if (hhmm <= range.lastHhmm)
            return range.text.toString();
    }
    return u"????"_s;
}

int dayOfYear(const QDate &date)
{
    return date.isValid() ? date.dayOfYear() : 0;
}

int weekOfYear(const QDate &date)
{
    if (!date.isValid())
        return 0;
    const int firstWeekday = QDate(date.year(), 1, 1).dayOfWeek() % 7; // Sunday 0 .. Saturday 6
    return (date.dayOfYear() - 1 + firstWeekday) / 7 + 1;
}

QString panelText(const QDateTime &now, const QString &todaysWord)
{
    const QDate date = now.date();
    const QTime time = now.time();
    QString text = greetingFor(time.hour(), time.minute());
    text.reserve(text.size() + 24 + todaysWord.size());
    text += u"【今日の言葉】"_s;
    text += QString::number(dayOfYear(date));
    text += u'日';
    text += QString::number(weekOfYear(date));
    text += u'週';
    text += u"\r\n"_s;
    text += todaysWord;
    return text;
}
