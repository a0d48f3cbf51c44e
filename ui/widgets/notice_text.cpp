#include "ui/widgets/notice_text.h"

#include "geometry/number_text.h"
#include "ui/widgets/number_string.h"

#include <QStringList>

#include <optional>
#include <string>

namespace wingmap {

namespace {

// A quoted text longer than this is cut, and ends in "…".
constexpr int kQuotedLength = 10;

// The names joined as a list: "F", "F and b", "F, G and b".
QString listOf(const QStringList &names)
{
    if (names.size() < 2)
        return names.value(0);
    return NoticeText::tr("%1 and %2").arg(names.mid(0, names.size() - 1).join(", "), names.last());
}

// The first `length` characters of the text, a surrogate pair kept whole,
// then "…" when anything is left.
QString shortened(const QString &text, int length = kQuotedLength - 1)
{
    if (text.size() <= length + 1)
        return text;
    if (text.at(length - 1).isHighSurrogate())
        ++length;
    return text.left(length) + QChar(0x2026);
}

// The character (a whole code point) at `index`.
QString characterAt(const QString &text, int index)
{
    const int length = text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    return text.mid(index, length);
}

struct Misread
{
    QString sentence; // what it read and why, for a field alone
    bool stopsAtComma;
};

// How the field reads when it is not one number and blanks, else nothing.
std::optional<Misread> misread(const NoticeText::Field &field)
{
    const std::string text = field.text.toStdString();
    const NumberReading reading = ReadNumberText(text);
    if (reading.whole(text))
        return std::nullopt;
    if (reading.stop >= text.size())
        return Misread{NoticeText::tr("%1 is empty and reads as 0.").arg(field.name), false};
    // The stop is a byte offset in UTF-8; the text before it gives its index.
    const int stop = QString::fromStdString(text.substr(0, reading.stop)).size();
    const QString stopCharacter = characterAt(field.text, stop);
    const bool comma = stopCharacter == ",";
    if (!reading.hasNumber)
        return Misread{NoticeText::tr("%1 reads as 0: \"%2\" holds no number.")
                           .arg(field.name, shortened(field.text.trimmed())),
                       comma};
    return Misread{NoticeText::tr("%1 reads as %2: \"%3\" stops at \"%4\".")
                       .arg(field.name, numberText(reading.value), shortened(field.text.trimmed()),
                            stopCharacter),
                   comma};
}

} // namespace

QString NoticeText::reading(const QList<Field> &fields, bool scaleUnderflows)
{
    QStringList names;
    QString alone;
    bool comma = false;
    for (const Field &field : fields) {
        if (const std::optional<Misread> m = misread(field)) {
            names << field.name;
            alone = m->sentence;
            comma = comma || m->stopsAtComma;
        }
    }
    QStringList parts;
    if (names.size() == 1 && !scaleUnderflows)
        parts << alone;
    else if (!names.isEmpty())
        parts << tr("Only the leading number counts in %1.").arg(listOf(names));
    if (comma && !scaleUnderflows)
        parts << tr("Numbers use a point.");
    if (scaleUnderflows)
        parts << tr("Scale is too near 0 and draws only a dot: type a Scale farther from 0.");
    return parts.join(' ');
}

QString NoticeText::limitCrossing()
{
    return tr("Check1 holds b by the circle of the last F or G move, not the one drawn: try one "
              "step left on the b bar.");
}

} // namespace wingmap
