// The text layer of PDF pictures: what a reader extracts, searches and copies must be the
// characters drawn. CJK fonts draw radicals and their ideographs with one glyph, and Qt names
// each glyph by the lowest code point that shares it: 力 came out as the Kangxi radical ⼒.

#include <QFontDatabase>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "chart/Chart.h"
#include "pictures/ChartPicture.h"
#include "pictures/PdfText.h"
#include "support/CjkFonts.h"
#include "support/Files.h"

namespace {

bool IsRadical(uint codePoint)
{
    return codePoint >= 0x2E80 && codePoint <= 0x2FDF;
}

bool IsUnifiedIdeograph(uint codePoint)
{
    return (codePoint >= 0x3400 && codePoint <= 0x4DBF) ||
           (codePoint >= 0x4E00 && codePoint <= 0x9FFF);
}

// A PDF read as a reader finds its objects: through startxref and the cross-reference table.
// Faults are listed; the code points every ToUnicode map names are collected.
struct PdfReading {
    QStringList faults;
    QList<uint> mapped;
};

PdfReading ReadPdf(const QByteArray& pdf)
{
    PdfReading reading;
    const QRegularExpressionMatch tail =
        QRegularExpression(QStringLiteral("\nstartxref\n(\\d+) ?\n%%EOF\n$")).match(QString::fromLatin1(pdf));
    if (!tail.hasMatch()) {
        reading.faults << QStringLiteral("no startxref at the end");
        return reading;
    }
    const qsizetype xref = tail.captured(1).toLongLong();
    const QRegularExpressionMatch table =
        QRegularExpression(QStringLiteral("^xref\n0 (\\d+)\n")).match(QString::fromLatin1(pdf.mid(xref, 40)));
    if (!table.hasMatch()) {
        reading.faults << QStringLiteral("startxref %1 is not at the table").arg(xref);
        return reading;
    }
    const int count = table.captured(1).toInt();
    QList<qsizetype> offsets(count, -1);
    for (int object = 1; object < count; ++object) {
        const QByteArray entry = pdf.mid(xref + table.capturedLength() + object * 20, 20);
        if (!entry.endsWith(" n \n"))
            continue;
        offsets[object] = entry.left(10).toLongLong();
        if (!pdf.mid(offsets[object]).startsWith(QByteArray::number(object) + " 0 obj\n"))
            reading.faults << QStringLiteral("object %1 is not at %2").arg(object).arg(offsets[object]);
    }
    static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode (\\d+) 0 R"));
    for (const QRegularExpressionMatch& match : toUnicode.globalMatch(QString::fromLatin1(pdf))) {
        const int object = match.captured(1).toInt();
        const QByteArray from = pdf.mid(offsets.value(object, -1));
        const QRegularExpressionMatch stream =
            QRegularExpression(QStringLiteral("^\\d+ 0 obj\n<< /Length (\\d+) >>\nstream\n"))
                .match(QString::fromLatin1(from.left(60)));
        if (!stream.hasMatch()) {
            reading.faults << QStringLiteral("ToUnicode %1 unreadable").arg(object);
            continue;
        }
        const qsizetype length = stream.captured(1).toLongLong();
        if (from.mid(stream.capturedLength() + length, 10) != "\nendstream")
            reading.faults << QStringLiteral("ToUnicode %1: /Length %2 is wrong").arg(object).arg(length);
        const QString cmap = QString::fromLatin1(from.mid(stream.capturedLength(), length));
        static const QRegularExpression range(
            QStringLiteral("^<(\\w{4})> <(\\w{4})> (?:<(\\w{4})>|\\[([^\\]]*)\\])$"),
            QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch& line : range.globalMatch(cmap)) {
            const uint low = line.captured(1).toUInt(nullptr, 16);
            const uint high = line.captured(2).toUInt(nullptr, 16);
            if (line.hasCaptured(3)) {
                for (uint glyph = low; glyph <= high; ++glyph)
                    reading.mapped << line.captured(3).toUInt(nullptr, 16) + glyph - low;
                continue;
            }
            const QStringList codes =
                line.captured(4).split(QRegularExpression(QStringLiteral("[<>\\s]+")), Qt::SkipEmptyParts);
            if (codes.size() != qsizetype(high - low + 1))
                reading.faults << QStringLiteral("ToUnicode %1: %2").arg(object).arg(line.captured(0));
            for (const QString& code : codes)
                reading.mapped << code.toUInt(nullptr, 16);
        }
    }
    return reading;
}

QString RunTool(const QString& tool, const QStringList& arguments, int* exitCode = nullptr,
                QString* errors = nullptr)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    if (exitCode)
        *exitCode = process.exitCode();
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A PDF laid out as Qt writes one, small enough to read: a font naming its ToUnicode map
// (object 2) and an object behind the map whose offset must move with it.
QByteArray QtLikePdf(const QByteArray& ranges)
{
    const QByteArray cmap = "begincmap\n1 beginbfrange\n" + ranges + "\nendbfrange\nendcmap";
    QList<QByteArray> objects{
        "<< /Type /Font /Subtype /Type0 /ToUnicode 2 0 R>>\n",
        "<< /Length " + QByteArray::number(cmap.size()) + " >>\nstream\n" + cmap + "\nendstream\n",
        "<< /Type /Catalog >>\n"};
    QByteArray pdf = "%PDF-1.4\n";
    QByteArray table = "xref\n0 4\n0000000000 65535 f \n";
    for (int i = 0; i < objects.size(); ++i) {
        table += QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n \n";
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "endobj\n";
    }
    const QByteArray startxref = QByteArray::number(pdf.size());
    return pdf + table + "trailer\n<< /Size 4 /Root 3 0 R >>\nstartxref\n" + startxref + "\n%%EOF\n";
}

}  // namespace

class TestPdfText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fontsRadicalsReadAsTheirIdeographs();
    void mapsRewritten_data();
    void mapsRewritten();
    void picturesExtractAsDrawn_data();
    void picturesExtractAsDrawn();
};

void TestPdfText::initTestCase()
{
    REQUIRE_CJK_FONT_SET_UP();
}

// Every CJK face on this machine: a radical it draws with an ideograph's glyph must read as an
// ideograph with that glyph (for a Kangxi radical, its Unicode decomposition also counts: faces
// differ on which variant of 戶 they draw ⼾ with).
void TestPdfText::fontsRadicalsReadAsTheirIdeographs()
{
    QStringList families;
    for (auto system : {QFontDatabase::SimplifiedChinese, QFontDatabase::TraditionalChinese,
                        QFontDatabase::Japanese})
        for (const QString& family : QFontDatabase::families(system))
            if (!families.contains(family))
                families << family;
    if (families.isEmpty())
        QSKIP("no CJK font is installed");

    QString ideographs;
    for (uint c = 0x3400; c <= 0x9FFF; ++c)
        if (IsUnifiedIdeograph(c))
            ideographs += QChar(char16_t(c));
    QString radicals;
    for (uint c = 0x2E80; c <= 0x2FDF; ++c)
        radicals += QChar(char16_t(c));

    QStringList wrong;
    for (const QString& family : families) {
        QFont font(family);
        font.setPixelSize(16);
        const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
        if (raw.familyName() != family)
            continue;  // a face that only stands in for the family asked
        const QList<quint32> ideographGlyphs = raw.glyphIndexesForString(ideographs);
        const QList<quint32> radicalGlyphs = raw.glyphIndexesForString(radicals);
        QHash<quint32, QList<uint>> byGlyph;
        for (qsizetype i = 0; i < ideographs.size(); ++i)
            if (ideographGlyphs[i] != 0)
                byGlyph[ideographGlyphs[i]] << ideographs[i].unicode();
        for (qsizetype i = 0; i < radicals.size(); ++i) {
            const uint radical = radicals[i].unicode();
            const QList<uint> sharing = byGlyph.value(radicalGlyphs[i]);
            if (radicalGlyphs[i] == 0 || sharing.isEmpty())
                continue;
            const uint read = IdeographOfRadical(radical);
            const QString decomposed = radicals[i].decomposition();
            if (!sharing.contains(read) && !(decomposed.size() == 1 && decomposed[0] == QChar(char16_t(read))))
                wrong << QStringLiteral("%1: U+%2 reads as U+%3, drawn as U+%4")
                             .arg(family, QString::number(radical, 16), QString::number(read, 16),
                                  QString::number(sharing.front(), 16));
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestPdfText::mapsRewritten_data()
{
    QTest::addColumn<QByteArray>("ranges");
    QTest::addColumn<QList<uint>>("mapped");  // empty: the document is returned as it was

    QTest::newRow("one glyph, a Kangxi radical")
        << QByteArray("<0001> <0001> <2F12>") << QList<uint>{0x529B};
    QTest::newRow("a list, radicals of both blocks and a Latin letter")
        << QByteArray("<0001> <0003> [<5E94> <2ED3> <0041> ]") << QList<uint>{0x5E94, 0x957F, 0x41};
    // Qt writes ten or more glyphs of consecutive code points as a range: a range through
    // radicals becomes a list, longer than the line it replaces.
    QTest::newRow("a range of ten Kangxi radicals")
        << QByteArray("<0001> <000A> <2F00>")
        << QList<uint>{0x4E00, 0x4E28, 0x4E36, 0x4E3F, 0x4E59, 0x4E85, 0x4E8C, 0x4EA0, 0x4EBA, 0x513F};
    QTest::newRow("ideographs and Latin") << QByteArray("<0001> <0002> [<529B> <0041> ]")
                                          << QList<uint>{};
    QTest::newRow("a radical no font draws as an ideograph")
        << QByteArray("<0001> <0001> <2E80>") << QList<uint>{};
}

// The maps of a PDF laid out as Qt's: radicals read as ideographs, and the file stays whole
// (stream length, every object's offset, startxref); one with nothing to change is kept as it
// was, byte for byte.
void TestPdfText::mapsRewritten()
{
    QFETCH(QByteArray, ranges);
    QFETCH(QList<uint>, mapped);
    const QByteArray pdf = QtLikePdf(ranges);
    QVERIFY(ReadPdf(pdf).faults.isEmpty());
    const QByteArray rewritten = WithIdeographsForRadicals(pdf);
    if (mapped.isEmpty()) {
        QCOMPARE(rewritten, pdf);
        return;
    }
    const PdfReading reading = ReadPdf(rewritten);
    QVERIFY2(reading.faults.isEmpty(), qPrintable(reading.faults.join('\n') + '\n' + rewritten));
    QCOMPARE(reading.mapped, mapped);
}

void TestPdfText::picturesExtractAsDrawn_data()
{
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("xTitle");
    QTest::addColumn<QString>("yTitle");

    QTest::newRow("the axes in Chinese") << "C30" << "应变[m/m]" << "应力 f [N/mm2]";
    QTest::newRow("a name with 力 and 角") << "梁力角C30" << "strain[m/m]" << "f [N/mm2]";
    // Simplified characters Noto Sans CJK draws with glyphs of the CJK Radicals Supplement.
    QTest::newRow("a name with 长 见 马 车") << "长柱见马车" << "应变[m/m]" << "应力 f [N/mm2]";
    // Glyphs of consecutive radicals in a row: a range in the map.
    QTest::newRow("ten Kangxi radicals in a row") << "一丨丶丿乙亅二亠人儿" << "strain[m/m]" << "f [N/mm2]";
    QTest::newRow("plain Latin") << "Con_30" << "strain[m/m]" << "f [N/mm2]";
}

// A chart with Chinese in its legend and axis titles, as the window and the command line write
// it: every text comes out of the PDF as drawn, in unified ideographs, and the file reads well.
void TestPdfText::picturesExtractAsDrawn()
{
    QFETCH(QString, legend);
    QFETCH(QString, xTitle);
    QFETCH(QString, yTitle);

    TChart chart;
    chart.resize(500, 300);
    TLineSeries* series = chart.AddSeries();
    series->SetTitle(legend);
    for (int i = 0; i <= 50; ++i)
        series->AddXY(i * 0.0002, 20 * std::sin(i * 0.06));
    chart.xAxis->setLabel(xTitle);
    chart.yAxis->setLabel(yTitle);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    WriteChartPicture(chart, path, PictureFormat::Pdf);
    const PdfReading reading = ReadPdf(testfiles::Read(path));
    QVERIFY2(reading.faults.isEmpty(), qPrintable(reading.faults.join('\n')));
    QVERIFY(!reading.mapped.isEmpty());
    for (uint codePoint : reading.mapped)
        QVERIFY2(!IsRadical(codePoint), qPrintable(QString::number(codePoint, 16)));

    int exitCode = -1;
    QString errors;
    RunTool(QStringLiteral("pdfinfo"), {path}, &exitCode, &errors);
    const QString text = RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (text.isEmpty())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    QCOMPARE(exitCode, 0);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
    for (const QString& drawn : {legend, xTitle, yTitle})
        QVERIFY2(text.contains(drawn), qPrintable(drawn + QStringLiteral(" not in:\n") + text));
    for (const QChar c : text)
        QVERIFY2(!IsRadical(c.unicode()), qPrintable(text));
}

QTEST_MAIN(TestPdfText)
#include "tst_pdftext.moc"
