// Reading measured curves as testing machines and spreadsheets write them, and refusing, with
// the line and the reason, what cannot be read as one curve.

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <string>

#include "fit/CurveFit.h"
#include "fit/MarkerPoints.h"
#include "fit/MeasuredCurve.h"
#include "fit/TextDecoding.h"
#include "support/MeasuredCurves.h"

Q_DECLARE_METATYPE(fit::StrainUnit)
Q_DECLARE_METATYPE(fit::StressUnit)

namespace {

// Twelve points of C30's compression curve up to three times the peak strain: the curve every
// sloppy file below writes in its own way.
measured::Points Base()
{
    return measured::LawPoints(measured::GradeConcrete(30), true, 12, 3.0);
}

// How a file writes the base curve.
struct Style {
    std::string heading;       // lines before the data, each ending in "\n"
    std::string separator = ",";
    bool decimalComma = false;
    double strainScale = 1;    // the number written is strain × strainScale
    double stressScale = 1;
    bool negative = false;     // compression written below zero (both columns)
    bool stressFirst = false;
    std::string before;        // fields before the two (extra columns), with their separators
    std::string eol = "\n";
};

std::string Number(double value, bool decimalComma)
{
    std::string text = measured::Exact(value);
    if (decimalComma)
        for (char& c : text)
            if (c == '.')
                c = ',';
    return text;
}

QByteArray Write(const measured::Points& p, const Style& s)
{
    std::string text = s.heading;
    for (std::size_t i = 0; i < p.strain.size(); ++i) {
        const double sign = s.negative ? -1 : 1;
        const std::string strain = Number(sign * p.strain[i] * s.strainScale, s.decimalComma);
        const std::string stress = Number(sign * p.stress[i] * s.stressScale, s.decimalComma);
        text += s.before + (s.stressFirst ? stress + s.separator + strain : strain + s.separator + stress);
        text += s.eol;
    }
    return QByteArray::fromStdString(text);
}

fit::ReadOptions Options(int strainColumn, int stressColumn, const QString& strainUnit,
                         const QString& stressUnit)
{
    fit::ReadOptions options;
    if (strainColumn >= 0) {
        options.strainColumn = strainColumn;
        options.stressColumn = stressColumn;
    }
    if (!strainUnit.isEmpty())
        options.strainUnit = fit::StrainUnitFromName(strainUnit.toStdString());
    if (!stressUnit.isEmpty())
        options.stressUnit = fit::StressUnitFromName(stressUnit.toStdString());
    return options;
}

QString Refusal(const QByteArray& bytes, const fit::ReadOptions& options = {})
{
    try {
        fit::ReadMeasuredCurve(bytes.toStdString(), "test.csv", options);
    } catch (const fit::MeasuredCurveError& error) {
        return QString::fromUtf8(error.what());
    }
    return QStringLiteral("<read>");
}

}  // namespace

class TestMeasuredCurve : public QObject {
    Q_OBJECT

private slots:
    void sloppyFiles_data();
    void sloppyFiles();
    void unloadingLoops();
    void encodings_data();
    void encodings();
    void refusedFiles_data();
    void refusedFiles();
    void millionPoints();
    void largeAndOddFiles();
    void preview();
    void markerPoints_data();
    void markerPoints();
};

void TestMeasuredCurve::sloppyFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("strainColumn");  // options; -1: none
    QTest::addColumn<int>("stressColumn");
    QTest::addColumn<QString>("strainUnit");
    QTest::addColumn<QString>("stressUnit");
    QTest::addColumn<int>("headingLines");
    QTest::addColumn<int>("readStrainColumn");
    QTest::addColumn<fit::StrainUnit>("readStrainUnit");
    QTest::addColumn<fit::StressUnit>("readStressUnit");

    const measured::Points p = Base();
    using SU = fit::StrainUnit;
    using PU = fit::StressUnit;
    const auto row = [&](const char* name, const Style& s, int headingLines, int strainColumn,
                         SU strainUnit, PU stressUnit, int optionStrain = -1, int optionStress = -1,
                         const char* optionStrainUnit = "", const char* optionStressUnit = "") {
        QTest::newRow(name) << Write(p, s) << optionStrain << optionStress
                            << QString::fromUtf8(optionStrainUnit)
                            << QString::fromUtf8(optionStressUnit) << headingLines << strainColumn
                            << strainUnit << stressUnit;
    };

    row("plain comma", {}, 0, 0, SU::Strain, PU::MPa);
    {
        Style s;
        s.heading = "Specimen C30-1\n# cylinder 150 x 300\n\nStrain;Stress\n";
        s.separator = ";";
        s.decimalComma = true;
        row("headings, semicolon, decimal comma", s, 4, 0, SU::Strain, PU::MPa);
    }
    {
        Style s;
        s.heading = "strain\tstress\n";
        s.separator = "\t";
        s.decimalComma = true;
        row("tab, decimal comma", s, 1, 0, SU::Strain, PU::MPa);
    }
    {
        Style s;
        s.heading = "  axial strain (%)    stress (MPa)\n";
        s.separator = "   ";
        s.strainScale = 100;
        row("blanks, percent from heading", s, 1, 0, SU::Percent, PU::MPa);
    }
    {
        Style s;
        s.heading = "Strain [%],Stress [N/mm²]\n";
        s.strainScale = 100;
        row("percent in square brackets", s, 1, 0, SU::Percent, PU::MPa);
    }
    {
        Style s;
        s.heading = "ε (‰);σ/kPa\n";
        s.separator = ";";
        s.strainScale = 1000;
        s.stressScale = 1000;
        row("permille, kPa after a slash", s, 1, 0, SU::Permille, PU::kPa);
    }
    {
        Style s;
        s.heading = "应变（με）,应力(MPa)\n";
        s.strainScale = 1e6;
        row("Chinese heading, microstrain", s, 1, 0, SU::Microstrain, PU::MPa);
    }
    {
        Style s;
        s.heading = "STRESS (Pa), STRAIN (x10^-6)\n";
        s.stressFirst = true;
        s.strainScale = 1e6;
        s.stressScale = 1e6;
        row("swapped columns named, Pa", s, 1, 1, SU::Microstrain, PU::Pa);
    }
    {
        Style s;
        s.stressFirst = true;
        s.strainScale = 100;
        row("swapped columns by option, unit by option", s, 0, 1, SU::Percent, PU::MPa, 1, 0, "%");
    }
    {
        Style s;
        s.heading = "Time (s);Load (kN);Stress (MPa);Strain (mm/mm)\n";
        s.separator = ";";
        s.stressFirst = true;
        s.before = "1.5;300.2;";
        row("extra columns, heading names the two", s, 1, 3, SU::Strain, PU::MPa);
    }
    {
        Style s;
        s.heading = "Strain,Stress\n%,MPa\n";
        s.strainScale = 100;
        row("names, then a line of units", s, 2, 0, SU::Percent, PU::MPa);
    }
    {
        Style s;
        s.heading = "150;300\nStrain (-);Stress (MPa)\n";
        s.separator = ";";
        s.negative = true;
        s.eol = "\r\n";
        row("numbers among headings, negative compression, CRLF", s, 2, 0, SU::Strain, PU::MPa);
    }
    {
        Style s;
        s.heading = "\"Strain\",\"Stress\"\n";
        s.separator = "\",\"";
        s.before = "\"";
        s.decimalComma = true;
        s.eol = "\"\r";
        row("quoted decimal commas, lone CR", s, 1, 0, SU::Strain, PU::MPa);
    }
}

void TestMeasuredCurve::sloppyFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, strainColumn);
    QFETCH(int, stressColumn);
    QFETCH(QString, strainUnit);
    QFETCH(QString, stressUnit);
    const fit::MeasuredCurve curve =
        fit::ReadMeasuredCurve(bytes.toStdString(), "test.csv",
                               Options(strainColumn, stressColumn, strainUnit, stressUnit));

    QTEST(int(curve.layout.headingLines), "headingLines");
    QTEST(curve.layout.strainColumn, "readStrainColumn");
    QTEST(curve.layout.strainUnit, "readStrainUnit");
    QTEST(curve.layout.stressUnit, "readStressUnit");
    // Every point read back in m/m and N/mm², positive, in order, with its line.
    const measured::Points p = Base();
    QCOMPARE(curve.points.size(), p.strain.size());
    QCOMPARE(curve.envelope.size(), p.strain.size());
    QCOMPARE(curve.LeftOut(), std::size_t(0));
    for (std::size_t i = 0; i < p.strain.size(); ++i) {
        QVERIFY2(std::abs(curve.points[i].strain - p.strain[i]) <= 1e-15 * (1 + p.strain[i] * 1e3),
                 qPrintable(QString::number(i)));
        QVERIFY2(std::abs(curve.points[i].stress - p.stress[i]) <= 1e-12 * (1 + p.stress[i]),
                 qPrintable(QString::number(i)));
        QCOMPARE(curve.points[i].line, curve.layout.firstDataLine + i);
    }
    const auto highest = std::max_element(p.stress.begin(), p.stress.end()) - p.stress.begin();
    QCOMPARE(curve.highest, std::size_t(highest));
    QCOMPARE(curve.peak, std::size_t(highest));
}

void TestMeasuredCurve::unloadingLoops()
{
    // Two unloading loops and a point before the origin: the envelope keeps the base curve and
    // the count says what was left out.
    const measured::Points p = Base();
    std::string text = "strain,stress\n-0.00001,-0.1\n";
    int loopPoints = 0;
    for (std::size_t i = 0; i < p.strain.size(); ++i) {
        text += measured::Text({{p.strain[i]}, {p.stress[i]}});
        if (i == 4 || i == 8) {
            // Down to a third of the stress and back up to near the envelope's strain.
            for (const double f : {0.8, 0.5, 0.3, 0.5, 0.8, 0.95}) {
                text += measured::Text({{p.strain[i] * (0.7 + 0.3 * f)}, {p.stress[i] * f}});
                ++loopPoints;
            }
        }
    }
    const fit::MeasuredCurve curve = fit::ReadMeasuredCurve(text, "loops.csv");
    QCOMPARE(curve.points.size(), p.strain.size() + std::size_t(loopPoints) + 1);
    QCOMPARE(curve.leftOutUnloading, std::size_t(loopPoints));
    QCOMPARE(curve.leftOutNegative, std::size_t(1));
    QCOMPARE(curve.envelope.size(), p.strain.size());
    for (std::size_t i = 0; i < p.strain.size(); ++i)
        QCOMPARE(curve.envelope[i].strain, p.strain[i]);

    // A reading repeated at the same strain (the plateau of a fast machine) is no loop: it stays.
    measured::Points plateau = p;
    plateau.strain.insert(plateau.strain.begin() + 7, p.strain[6]);
    plateau.stress.insert(plateau.stress.begin() + 7, p.stress[6] * 0.999);
    const fit::MeasuredCurve repeated = fit::ReadMeasuredCurve(measured::Text(plateau), "plateau.csv");
    QCOMPARE(repeated.envelope.size(), plateau.strain.size());
    QCOMPARE(repeated.LeftOut(), std::size_t(0));
}

void TestMeasuredCurve::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<fit::StrainUnit>("strainUnit");
    QTest::addColumn<int>("strainColumn");

    const QByteArray microData = Write(Base(), [] { Style s; s.strainScale = 1e6; s.separator = ";"; return s; }());
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF") + "Stress;Strain\n" + Write(Base(), [] { Style s; s.separator = ";"; s.stressFirst = true; return s; }())
        << fit::StrainUnit::Strain << 1;
    // 应变(με);应力(MPa) as Chinese Windows writes it.
    QTest::newRow("GBK heading") << QByteArray("\xD3\xA6\xB1\xE4(\xA6\xCC\xA6\xC5);\xD3\xA6\xC1\xA6(MPa)\n") + microData
                                 << fit::StrainUnit::Microstrain << 0;
    QTest::newRow("Latin-1 micro sign") << QByteArray("strain (\xB5m/m);stress\n") + microData
                                        << fit::StrainUnit::Microstrain << 0;
    // A spreadsheet's "Unicode text": UTF-16 little-endian with its mark, tab-separated.
    const QString utf16Text = QStringLiteral("应变(%)\t应力(MPa)\n") +
                              QString::fromUtf8(Write(Base(), [] { Style s; s.strainScale = 100; s.separator = "\t"; return s; }()));
    QByteArray utf16("\xFF\xFE", 2);
    for (const QChar c : utf16Text) {
        utf16 += char(c.unicode() & 0xFF);
        utf16 += char(c.unicode() >> 8);
    }
    QTest::newRow("UTF-16 with byte-order mark") << utf16 << fit::StrainUnit::Percent << 0;
}

void TestMeasuredCurve::encodings()
{
    QFETCH(QByteArray, bytes);
    const fit::MeasuredCurve curve = fit::ReadMeasuredCurve(bytes.toStdString(), "test.txt");
    QTEST(curve.layout.strainUnit, "strainUnit");
    QTEST(curve.layout.strainColumn, "strainColumn");
    QCOMPARE(curve.layout.columnSource, fit::Source::Heading);
    const measured::Points p = Base();
    QCOMPARE(curve.points.size(), p.strain.size());
    QVERIFY(std::abs(curve.points[5].strain - p.strain[5]) < 1e-15);
}

void TestMeasuredCurve::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");  // the whole message: file, line, reason

    const QByteArray data = Write(Base(), {});  // 12 lines
    // The data with a line put in before its line `at` (counted from 1).
    const auto with = [&](int at, const QByteArray& line) {
        QList<QByteArray> lines = data.split('\n');
        lines.insert(at - 1, line);
        return lines.join('\n');
    };
    QTest::newRow("text after the data")
        << "strain,stress\n" + data + "End of test\n"
        << "test.csv, line 14: not a line of data: \"End of test\" in column 1 (strain) is not a number";
    QTest::newRow("NaN") << with(4, "NaN,1")
                         << "test.csv, line 4: column 1 (strain) holds \"NaN\", which is not a number (NaN)";
    QTest::newRow("spreadsheet error") << with(1, "0,#DIV/0!")
                                       << "test.csv, line 1: column 2 (stress) holds \"#DIV/0!\", which is not a number (NaN)";
    QTest::newRow("infinity") << data + "0.01,-inf\n"
                              << "test.csv, line 13: column 2 (stress) holds \"-inf\", an infinite value or one beyond the range of numbers";
    QTest::newRow("beyond the range") << data + "1e999,1\n"
                                      << "test.csv, line 13: column 1 (strain) holds \"1e999\", an infinite value or one beyond the range of numbers";
    QTest::newRow("empty field") << data + "0.01,\n" << "test.csv, line 13: column 2 (stress) is empty";
    QTest::newRow("missing column") << data + "0.01\n"
                                    << "test.csv, line 13: not a line of data: no column 2 (stress) in \"0.01\"";
    QTest::newRow("missing column, CRLF")
        << QByteArray(data).replace("\n", "\r\n") + "0.01\r\n"
        << "test.csv, line 13: not a line of data: no column 2 (stress) in \"0.01\"";
    QTest::newRow("only rising")
        << Write(measured::LawPoints(measured::GradeConcrete(30), true, 12, 0.9), {})
        << "test.csv, line 12: no peak: the stress rises up to the last point, so the curve has no descending branch";
    // Dense and scattered: the highest reading is not the last, but the curve only rises.
    QTest::newRow("only rising, scattered")
        << Write(measured::LawPoints(measured::GradeConcrete(30), true, 5000, 0.9, 0.01), {})
        << "test.csv, line 5000: no peak: the stress rises up to the last point, so the curve has no descending branch";
    QTest::newRow("four points up to the peak")
        << Write(measured::LawPoints(measured::GradeConcrete(30), true, 12, 11.0 / 3.0), {})
        << "test.csv, line 4: 4 points up to the peak (this line); a branch needs at least 5 points";
    QTest::newRow("four points after the peak")
        << Write(measured::LawPoints(measured::GradeConcrete(30), true, 10, 9.0 / 5.0), {})
        << "test.csv, line 10: 4 points after the peak (up to this line); a branch needs at least 5 points";
    QTest::newRow("empty") << QByteArray() << "test.csv: the file is empty";
    QTest::newRow("headings only") << QByteArray("strain,stress\n\n1 2 three\n")
                                   << "test.csv: no line of data: no line holds two numbers that the next lines follow";
    QTest::newRow("three columns, no heading")
        << QByteArray(data).replace("\n", ",7\n")
        << "test.csv, line 1: 3 columns, and no heading names the strain and the stress column; choose the columns";
    QTest::newRow("two strain columns")
        << "strain 1,strain 2,stress\n" + QByteArray(data).replace(",", ",0,")
        << "test.csv, line 1: the heading names more than one strain column (1 and 2); choose the columns";
    QTest::newRow("a unit Tarvolin does not convert")
        << "strain,stress (psi)\n" + data
        << "test.csv, line 1: the heading gives the stress in \"psi\"; Tarvolin reads MPa (N/mm²), kPa and Pa: choose the unit";
}

void TestMeasuredCurve::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QTEST(Refusal(bytes), "message");
}

void TestMeasuredCurve::millionPoints()
{
    // The limit exactly: a million points from a file on disk are read and fitted; one point
    // more is refused on the line that brings it.
    const CConcrete c = measured::GradeConcrete(40);
    const measured::Points p = measured::LawPoints(c, true, int(fit::kMaxPoints), 4.0);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("million.txt"));
    std::string text = "Strain (m/m)\tStress (MPa)\n";
    text.reserve(40 * fit::kMaxPoints);
    for (std::size_t i = 0; i < p.strain.size(); ++i)
        text += measured::Exact(p.strain[i]) + '\t' + measured::Exact(p.stress[i]) + '\n';
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(text.data(), qint64(text.size())), qint64(text.size()));
    }
    const fit::MeasuredCurve curve =
        fit::ReadMeasuredCurve(fit::ReadMeasuredBytes(path.toStdString(), "million.txt"), "million.txt");
    QCOMPARE(curve.points.size(), fit::kMaxPoints);
    const fit::CompressionFit fitted = fit::FitCompression(curve);
    QVERIFY(std::abs(fitted.ec / c.eck - 1) < 1e-6);
    QVERIFY(std::abs(fitted.ac / c.ac - 1) < 1e-6);
    QCOMPARE(fitted.quality.used, fit::kMaxPoints);

    text += "0.01\t1\n";
    QCOMPARE(Refusal(QByteArray::fromStdString(text)),
             QStringLiteral("test.csv, line 1000002: more than 1,000,000 points, the limit for a measured curve"));
}

void TestMeasuredCurve::largeAndOddFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto refusal = [](const QString& path) {
        try {
            fit::ReadMeasuredBytes(path.toStdString(), "big.csv");
        } catch (const fit::MeasuredCurveError& error) {
            return QString::fromUtf8(error.what());
        }
        return QStringLiteral("<read>");
    };
    // A sparse file one byte over the limit: refused, and never held whole in memory.
    const QString big = dir.filePath(QStringLiteral("big.csv"));
    {
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(fit::kMaxFileBytes) + 1));
    }
    QCOMPARE(refusal(big), QStringLiteral("big.csv: the file is larger than 100 MiB, the limit for a measured curve"));
    QCOMPARE(refusal(dir.path()), QStringLiteral("big.csv: this is a folder, not a file"));
    QVERIFY(refusal(dir.filePath(QStringLiteral("missing.csv"))).startsWith(QStringLiteral("big.csv: cannot be opened (")));
}

void TestMeasuredCurve::preview()
{
    // What a preview shows is text, whatever the bytes: control characters and bytes that are
    // no text become visible marks, long lines are cut.
    const QByteArray bytes = QByteArray("Dehnung;Spannung\n") + QByteArray("a\0b\x01\xFF", 5) + "\n" +
                             QByteArray(1000, 'x') + "\n0;0\n";
    const std::vector<std::string> lines = fit::PreviewLines(bytes.toStdString(), 3);
    QCOMPARE(lines.size(), std::size_t(3));
    QCOMPARE(QString::fromStdString(lines[0]), QStringLiteral("Dehnung;Spannung"));
    QCOMPARE(QString::fromUtf8(lines[1]), QStringLiteral("a\uFFFDb\uFFFD\u00FF"));
    QVERIFY(lines[2].size() <= fit::kPreviewLineBytes + 3);
    QVERIFY(QString::fromStdString(lines[2]).endsWith(QStringLiteral("…")));
    for (const std::string& line : lines)
        QVERIFY(fit::ValidUtf8(line));
}

void TestMeasuredCurve::markerPoints_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("noise");

    QTest::newRow("a few hundred: all of them") << 300 << 0.0;
    QTest::newRow("a million, smooth") << 1'000'000 << 0.0;
    // Scattered readings stay far apart all along the curve.
    QTest::newRow("a million, 1 % noise") << 1'000'000 << 0.01;
}

void TestMeasuredCurve::markerPoints()
{
    QFETCH(int, count);
    QFETCH(double, noise);

    const measured::Points p =
        measured::LawPoints(measured::GradeConcrete(30), true, count, 4.0, noise);
    fit::MeasuredCurve curve;
    for (int i = 0; i < count; ++i) {
        curve.envelope.push_back({p.strain[i], p.stress[i], std::size_t(i + 1)});
        if (p.stress[i] > curve.envelope[curve.highest].stress)
            curve.highest = std::size_t(i);
    }

    const std::vector<fit::MeasuredPoint> markers = fit::MarkerPoints(curve);
    if (std::size_t(count) <= fit::kMostMarkers) {
        QCOMPARE(markers.size(), std::size_t(count));
        return;
    }
    QVERIFY(markers.size() <= fit::kMostMarkers);
    // Enough to show the curve's shape, and its ends and peak exactly.
    QVERIFY(markers.size() >= 200);
    QCOMPARE(markers.front().line, std::size_t(1));
    QCOMPARE(markers.back().line, std::size_t(count));
    const auto peak = std::find_if(markers.begin(), markers.end(), [&](const auto& m) {
        return m.line == curve.highest + 1;
    });
    QVERIFY(peak != markers.end());
    for (std::size_t i = 1; i < markers.size(); ++i)
        QVERIFY(markers[i - 1].line < markers[i].line);
}

QTEST_APPLESS_MAIN(TestMeasuredCurve)
#include "tst_measuredcurve.moc"
