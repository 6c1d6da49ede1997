#include "pictures/PdfText.h"

#include <QChar>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <array>
#include <utility>

namespace {

// The CJK Radicals Supplement has no decomposition: these are the characters that Noto Sans and
// Serif CJK (SC, TC, JP) draw with the glyph of an ideograph, each with that ideograph. They are
// Unicode's equivalent unified ideographs; the fonts agree on every one they share.
constexpr std::array<std::pair<char16_t, char16_t>, 79> kSupplement{{
    {0x2E82, 0x4E5B}, {0x2E83, 0x4E5A}, {0x2E85, 0x4EBB}, {0x2E89, 0x5202}, {0x2E8B, 0x353E},
    {0x2E8E, 0x5140}, {0x2E8F, 0x5C23}, {0x2E90, 0x5C22}, {0x2E92, 0x5DF3}, {0x2E93, 0x5E7A},
    {0x2E94, 0x5F51}, {0x2E95, 0x5F50}, {0x2E96, 0x5FC4}, {0x2E98, 0x624C}, {0x2E99, 0x6535},
    {0x2E9B, 0x65E1}, {0x2E9E, 0x6B7A}, {0x2E9F, 0x6BCD}, {0x2EA0, 0x6C11}, {0x2EA1, 0x6C35},
    {0x2EA3, 0x706C}, {0x2EA4, 0x722B}, {0x2EA6, 0x4E2C}, {0x2EA8, 0x72AD}, {0x2EAB, 0x7F52},
    {0x2EAD, 0x793B}, {0x2EAF, 0x7CF9}, {0x2EB0, 0x7E9F}, {0x2EB1, 0x7F53}, {0x2EB2, 0x7F52},
    {0x2EB3, 0x34C1}, {0x2EB9, 0x8002}, {0x2EBA, 0x8080}, {0x2EBE, 0x8279}, {0x2EBF, 0x8279},
    {0x2EC1, 0x864E}, {0x2EC2, 0x8864}, {0x2EC3, 0x8980}, {0x2EC4, 0x897F}, {0x2EC5, 0x89C1},
    {0x2EC6, 0x89D2}, {0x2EC8, 0x8BA0}, {0x2EC9, 0x8D1D}, {0x2ECB, 0x8F66}, {0x2ECC, 0x8FB6},
    {0x2ECD, 0x8FB6}, {0x2ECE, 0x8FB6}, {0x2ED0, 0x9485}, {0x2ED1, 0x9577}, {0x2ED2, 0x9578},
    {0x2ED3, 0x957F}, {0x2ED4, 0x95E8}, {0x2ED6, 0x961D}, {0x2ED8, 0x9752}, {0x2ED9, 0x97E6},
    {0x2EDA, 0x9875}, {0x2EDB, 0x98CE}, {0x2EDC, 0x98DE}, {0x2EDD, 0x98DF}, {0x2EDF, 0x98E0},
    {0x2EE0, 0x9963}, {0x2EE2, 0x9A6C}, {0x2EE3, 0x9AA8}, {0x2EE4, 0x9B3C}, {0x2EE5, 0x9C7C},
    {0x2EE6, 0x9E1F}, {0x2EE7, 0x5364}, {0x2EE8, 0x9EA6}, {0x2EE9, 0x9EC4}, {0x2EEA, 0x9EFE},
    {0x2EEB, 0x6589}, {0x2EEC, 0x9F50}, {0x2EED, 0x6B6F}, {0x2EEE, 0x9F7F}, {0x2EEF, 0x7ADC},
    {0x2EF0, 0x9F99}, {0x2EF1, 0x9F9C}, {0x2EF2, 0x4E80}, {0x2EF3, 0x9F9F},
}};
static_assert(std::is_sorted(kSupplement.begin(), kSupplement.end()));

// Qt's own spelling of a code in a map: four upper-case hexadecimal digits.
QByteArray Hex(uint value)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(4, '0');
}

// One line of a bfrange section, "<lo> <hi> <first>" or "<lo> <hi> [<u> <u> ... ]", with every
// radical read as its ideograph; the line as it was when it names none, or when its targets are
// not single UTF-16 code units.
QByteArray UnifyRange(const QByteArray& line)
{
    static const QRegularExpression range(
        QStringLiteral("^<([0-9A-Fa-f]{4})> <([0-9A-Fa-f]{4})> (?:<([0-9A-Fa-f]{4})>|\\[((?:\\s*<[0-9A-Fa-f]{4}>)*)\\s*\\])\\s*$"));
    const QRegularExpressionMatch match = range.match(QString::fromLatin1(line));
    if (!match.hasMatch())
        return line;
    const uint low = match.captured(1).toUInt(nullptr, 16);
    const uint high = match.captured(2).toUInt(nullptr, 16);
    if (high < low)
        return line;
    QList<uint> targets;
    if (match.hasCaptured(3)) {
        // Consecutive glyphs for consecutive code points.
        const uint first = match.captured(3).toUInt(nullptr, 16);
        for (uint glyph = low; glyph <= high; ++glyph)
            targets << first + (glyph - low);
    } else {
        static const QRegularExpression code(QStringLiteral("<([0-9A-Fa-f]{4})>"));
        for (const QRegularExpressionMatch& each : code.globalMatch(match.captured(4)))
            targets << each.captured(1).toUInt(nullptr, 16);
        if (targets.size() != qsizetype(high - low + 1))
            return line;
    }
    bool changed = false;
    for (uint& target : targets) {
        const uint ideograph = IdeographOfRadical(target);
        changed = changed || ideograph != target;
        target = ideograph;
    }
    if (!changed)
        return line;
    QByteArray unified = '<' + Hex(low) + "> <" + Hex(high) + "> ";
    if (low == high)
        return unified + '<' + Hex(targets.front()) + '>';
    unified += '[';
    for (uint target : targets)
        unified += '<' + Hex(target) + "> ";
    return unified + ']';
}

// A ToUnicode CMap with its bfrange lines unified; the same bytes when nothing changed.
QByteArray UnifyCMap(const QByteArray& cmap)
{
    QList<QByteArray> lines = cmap.split('\n');
    bool inRanges = false;
    bool changed = false;
    for (QByteArray& line : lines) {
        if (line.endsWith("beginbfrange")) {
            inRanges = true;
        } else if (line == "endbfrange") {
            inRanges = false;
        } else if (inRanges) {
            QByteArray unified = UnifyRange(line);
            if (unified != line) {
                line = std::move(unified);
                changed = true;
            }
        }
    }
    return changed ? lines.join('\n') : cmap;
}

// The digits at bytes[at], or -1 when there are none or they are followed by anything but end.
qint64 NumberAt(const QByteArray& bytes, qsizetype at, qsizetype* next)
{
    qsizetype end = at;
    while (end < bytes.size() && end - at < 18 && bytes[end] >= '0' && bytes[end] <= '9')
        ++end;
    if (end == at)
        return -1;
    *next = end;
    return bytes.mid(at, end - at).toLongLong();
}

struct Edit {
    qsizetype at;      // where the replaced bytes begin in the original
    qsizetype length;  // how many bytes are replaced
    QByteArray bytes;  // what replaces them
};

}  // namespace

char32_t IdeographOfRadical(char32_t codePoint)
{
    if (codePoint >= 0x2F00 && codePoint <= 0x2FDF) {
        const QChar radical{char16_t(codePoint)};
        const QString decomposed = radical.decomposition();
        if (radical.decompositionTag() == QChar::Compat && decomposed.size() == 1)
            return decomposed.front().unicode();
        return codePoint;
    }
    if (codePoint >= 0x2E80 && codePoint <= 0x2EFF) {
        const auto found = std::lower_bound(
            kSupplement.begin(), kSupplement.end(), codePoint,
            [](const std::pair<char16_t, char16_t>& entry, char32_t value) { return entry.first < value; });
        if (found != kSupplement.end() && found->first == codePoint)
            return found->second;
    }
    return codePoint;
}

QByteArray WithIdeographsForRadicals(const QByteArray& pdf)
{
    // The cross-reference table Qt writes: "xref\n0 N\n" and N entries of 20 bytes,
    // "oooooooooo ggggg n \n", found through the last startxref.
    const qsizetype startxref = pdf.lastIndexOf("\nstartxref\n");
    if (startxref < 0)
        return pdf;
    qsizetype after = 0;
    const qint64 xref = NumberAt(pdf, startxref + 11, &after);
    if (xref < 0 || xref >= startxref || pdf.mid(xref, 7) != "xref\n0 ")
        return pdf;
    qsizetype entriesAt = 0;
    const qint64 count = NumberAt(pdf, xref + 7, &entriesAt);
    if (count <= 0 || entriesAt >= pdf.size() || pdf[entriesAt] != '\n')
        return pdf;
    ++entriesAt;
    if (entriesAt + count * 20 > startxref)
        return pdf;
    QList<qint64> offsets(count, -1);
    for (qint64 object = 0; object < count; ++object) {
        const QByteArray entry = pdf.mid(entriesAt + object * 20, 20);
        if (entry.size() != 20 || entry[10] != ' ' || entry[16] != ' ' || entry[18] != ' ' ||
            entry[19] != '\n')
            return pdf;
        if (entry[17] == 'n')
            offsets[object] = entry.left(10).toLongLong();
    }

    // Every object a font names as its ToUnicode map, once.
    static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode\\s+(\\d+)\\s+0\\s+R"));
    QSet<qint64> maps;
    for (const QRegularExpressionMatch& match :
         toUnicode.globalMatch(QString::fromLatin1(pdf.left(xref))))
        maps.insert(match.captured(1).toLongLong());

    QList<Edit> edits;
    for (const qint64 object : maps) {
        if (object <= 0 || object >= count || offsets[object] < 0)
            continue;
        const qsizetype at = offsets[object];
        const QByteArray head = QByteArray::number(object) + " 0 obj\n<< /Length ";
        if (pdf.mid(at, head.size()) != head)
            continue;
        qsizetype lengthEnd = 0;
        const qint64 length = NumberAt(pdf, at + head.size(), &lengthEnd);
        static const QByteArray open = " >>\nstream\n";
        if (length < 0 || pdf.mid(lengthEnd, open.size()) != open)
            continue;
        const qsizetype dataAt = lengthEnd + open.size();
        if (dataAt + length > xref || pdf.mid(dataAt + length, 10) != "\nendstream")
            continue;
        const QByteArray cmap = pdf.mid(dataAt, length);
        const QByteArray unified = UnifyCMap(cmap);
        if (unified == cmap)
            continue;
        const qsizetype from = at + head.size();
        edits.append({from, dataAt + length - from,
                      QByteArray::number(unified.size()) + open + unified});
    }
    if (edits.isEmpty())
        return pdf;
    std::sort(edits.begin(), edits.end(),
              [](const Edit& a, const Edit& b) { return a.at < b.at; });

    // Every offset behind an edit moves by what the edits before it added.
    const auto moved = [&](qint64 offset) {
        qint64 shift = 0;
        for (const Edit& edit : edits)
            if (edit.at < offset)
                shift += edit.bytes.size() - edit.length;
        return offset + shift;
    };
    QByteArray table = "xref\n0 " + QByteArray::number(count) + '\n';
    for (qint64 object = 0; object < count; ++object) {
        QByteArray entry = pdf.mid(entriesAt + object * 20, 20);
        if (offsets[object] >= 0)
            entry.replace(0, 10, QByteArray::number(moved(offsets[object])).rightJustified(10, '0'));
        table += entry;
    }

    QByteArray result;
    result.reserve(pdf.size() + 1024);
    qsizetype copied = 0;
    for (const Edit& edit : edits) {
        result += pdf.mid(copied, edit.at - copied);
        result += edit.bytes;
        copied = edit.at + edit.length;
    }
    result += pdf.mid(copied, xref - copied);
    result += table;
    result += pdf.mid(entriesAt + count * 20, startxref + 11 - (entriesAt + count * 20));
    result += QByteArray::number(moved(xref));
    result += pdf.mid(after);
    return result;
}
