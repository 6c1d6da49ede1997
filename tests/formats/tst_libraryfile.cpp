// Library files without a window: numbers that read back to the last bit, and whole refusals
// of files that are not a sound library, each message naming the file, the concrete and the
// field.

#include <QTemporaryDir>
#include <QtTest>
#include <bit>

#include "formats/LibraryFile.h"

namespace {

quint64 Bits(double value)
{
    return std::bit_cast<quint64>(value);
}

// C30 as the window makes it from grade 30, strains in m/m.
const char* const kC30 =
    R"({"name": "C30", "Ec": 30000, "fck": 20.1, "ftk": 2.01, "eck": 0.00147, "etk": 9.5e-05,)"
    R"( "ac": 0.748, "at": 1.26, "ecmax": 0.016, "etmax": 0.0007, "shown": true})";

QByteArray Library(const QByteArray& concretes, const QByteArray& head =
                                                    R"("format": "tarvolin-library", "version": 1)")
{
    return "{" + head + R"(, "concretes": [)" + concretes + "]}";
}

// kC30 with one field's value replaced, or the field removed when value is null.
QByteArray C30With(const QByteArray& key, const QByteArray& value)
{
    QByteArray text(kC30);
    const QByteArray pattern = "\"" + key + "\": ";
    const qsizetype start = text.indexOf(pattern);
    qsizetype end = start + pattern.size();
    while (text.at(end) != ',' && text.at(end) != '}')
        ++end;
    if (!value.isNull())
        return text.replace(start + pattern.size(), end - start - pattern.size(), value);
    // With the comma and blank behind it, or before it for the last field.
    if (text.at(end) == ',')
        return text.remove(start, end + 2 - start);
    return text.remove(start - 2, end - start + 2);
}

const char* const kHrb400 =
    R"({"name": "HRB400", "Es": 200000, "fy": 400, "fst": 540, "euy": 0.025, "eu": 0.075,)"
    R"( "shown": true})";

// A version-2 library of C30 and the given steels.
QByteArray SteelLibrary(const QByteArray& steels)
{
    return Library(kC30, R"("format": "tarvolin-library", "version": 2)")
        .replace("]}", "], \"steels\": [" + steels + "]}");
}

// kHrb400 with one field's value replaced, or the field removed when value is null.
QByteArray Hrb400With(const QByteArray& key, const QByteArray& value)
{
    QByteArray text(kHrb400);
    const QByteArray pattern = "\"" + key + "\": ";
    const qsizetype start = text.indexOf(pattern);
    if (start < 0)  // a key the fixture lacks goes in front
        return text.replace(0, 1, "{" + pattern + value + ", ");
    qsizetype end = start + pattern.size();
    while (text.at(end) != ',' && text.at(end) != '}')
        ++end;
    if (!value.isNull())
        return text.replace(start + pattern.size(), end - start - pattern.size(), value);
    if (text.at(end) == ',')
        return text.remove(start, end + 2 - start);
    return text.remove(start - 2, end - start + 2);
}

std::unique_ptr<CConcrete> Concrete(const std::string& name, double ecmax = 0.016)
{
    return std::make_unique<CConcrete>(name, 30000, 20.1, 2.01, 0.748, 1.26, 0.00147, 9.5e-05,
                                       ecmax, 0.0007);
}

}  // namespace

class TestLibraryFile : public QObject {
    Q_OBJECT

private slots:
    void numbersReadBackBitForBit_data();
    void numbersReadBackBitForBit();
    void readsTheDocumentedForm();
    void unknownKeysAreIgnored();
    void basisTravelsWithTheConcrete();
    void refusals_data();
    void refusals();
    void oversizedAndUnreadableFiles();
    void failedWriteKeepsTheOldFile();
    void steelsRoundTrip();
    void withoutSteelsTheFileStaysVersion1();
    void steelsInAVersion1File();
    void steelRefusals_data();
    void steelRefusals();

private:
    QTemporaryDir folder;
};

void TestLibraryFile::numbersReadBackBitForBit_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");  // the shortest text, where it matters to readers
    QTest::newRow("9.5e-05") << 9.5e-05 << QByteArray("9.5e-05");
    // The JSON library prints the fewest digits, in exponent form where that is shorter.
    QTest::newRow("0.0007") << 0.0007 << QByteArray("7e-04");
    QTest::newRow("700 / 1e6") << 700 / 1e6 << QByteArray("7e-04");
    QTest::newRow("700 * 1e-6") << 700 * 1e-6 << QByteArray();
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << QByteArray("0.30000000000000004");
    QTest::newRow("1 / 3") << 1.0 / 3 << QByteArray();
    QTest::newRow("grade 20 eck") << 0.001329059 << QByteArray("0.001329059");
    QTest::newRow("smallest normal") << 2.2250738585072014e-308 << QByteArray();
    QTest::newRow("huge") << 1.7976931348623157e308 << QByteArray();
    QTest::newRow("integer") << 30000.0 << QByteArray("30000");
}

// The two shape parameters carry the value; the rest are the sound C30.
void TestLibraryFile::numbersReadBackBitForBit()
{
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    ConcreteRegistry written;
    written.Add(std::make_unique<CConcrete>("v", 30000, 20.1, 2.01, value, value, 0.00147,
                                            9.5e-05, 0.016, 0.0007));
    const QByteArray json = LibraryJson(written);
    if (!text.isEmpty())
        QVERIFY2(json.contains(": " + text + ","), json.constData());
    const ConcreteRegistry read = ParseLibrary(json, QStringLiteral("v.json"));
    QCOMPARE(read.size(), std::size_t(1));
    QCOMPARE(Bits(read.at(0).ac), Bits(value));
    QCOMPARE(Bits(read.at(0).at), Bits(value));
    QCOMPARE(Bits(read.at(0).Ec), Bits(written.at(0).Ec));
}

void TestLibraryFile::readsTheDocumentedForm()
{
    const QByteArray hidden = C30With("shown", "false").replace("\"C30\"", "\"Küche\"");
    const ConcreteRegistry read =
        ParseLibrary(Library(QByteArray(kC30) + ", " + hidden), QStringLiteral("a.json"));
    QCOMPARE(read.size(), std::size_t(2));
    const CConcrete& c = read.at(0);
    QCOMPARE(c.ConcreteName, std::string("C30"));
    for (auto [actual, expected] : {std::pair{c.Ec, 30000.0}, {c.fck, 20.1}, {c.ftk, 2.01},
                                    {c.eck, 0.00147}, {c.etk, 9.5e-05}, {c.ac, 0.748},
                                    {c.at, 1.26}, {c.ecmax, 0.016}, {c.etmax, 0.0007}})
        QCOMPARE(Bits(actual), Bits(expected));
    QVERIFY(read.Shown(0));
    QCOMPARE(read.at(1).ConcreteName, std::string("K\xC3\xBC" "che"));
    QVERIFY(!read.Shown(1));
}

void TestLibraryFile::unknownKeysAreIgnored()
{
    const QByteArray concrete = QByteArray(kC30).replace("}", R"(, "colour": "red"})");
    const ConcreteRegistry read = ParseLibrary(
        Library(concrete, R"("format": "tarvolin-library", "version": 1, "author": {"a": 1})"),
        QStringLiteral("a.json"));
    QCOMPARE(read.size(), std::size_t(1));
}

// Characteristic concretes are written as before the basis existed (no "basis", no "cv"), and
// a file without the keys reads as characteristic; the others carry theirs through a round trip.
void TestLibraryFile::basisTravelsWithTheConcrete()
{
    ConcreteRegistry written;
    written.Add(Concrete("K"));
    auto mean = Concrete("M");
    mean->basis = StrengthBasis::Mean;
    mean->cv = 0.1 + 0.2;  // not a short decimal: must still read back to the bit
    written.Add(std::move(mean), false);
    auto design = Concrete("D");
    design->basis = StrengthBasis::Design;
    written.Add(std::move(design));

    const QByteArray json = LibraryJson(written);
    const QList<QByteArray> objects = json.split('}');
    QVERIFY(!objects[0].contains("basis") && !objects[0].contains("\"cv\""));
    QVERIFY(objects[1].contains(R"("basis": "mean")") && objects[1].contains(R"("cv": 0.30000000000000004)"));
    QVERIFY(objects[2].contains(R"("basis": "design")") && !objects[2].contains("\"cv\""));

    const ConcreteRegistry read = ParseLibrary(json, QStringLiteral("a.json"));
    QCOMPARE(read.size(), std::size_t(3));
    QCOMPARE(read.at(0).basis, StrengthBasis::Characteristic);
    QCOMPARE(read.at(0).cv, 0.0);
    QCOMPARE(read.at(1).basis, StrengthBasis::Mean);
    QCOMPARE(Bits(read.at(1).cv), Bits(0.1 + 0.2));
    QCOMPARE(read.at(2).basis, StrengthBasis::Design);
    QCOMPARE(read.at(2).cv, 0.0);
    QCOMPARE(LibraryJson(read), json);

    // A file of the first version, without the keys: characteristic.
    const ConcreteRegistry old = ParseLibrary(Library(kC30), QStringLiteral("old.json"));
    QCOMPARE(old.at(0).basis, StrengthBasis::Characteristic);
    // "characteristic" may be spelt out, though Tarvolin leaves it out.
    const ConcreteRegistry spelt = ParseLibrary(
        Library(QByteArray(kC30).replace("}", R"(, "basis": "characteristic"})")),
        QStringLiteral("spelt.json"));
    QCOMPARE(spelt.at(0).basis, StrengthBasis::Characteristic);
}

void TestLibraryFile::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("named");  // every one appears in the message

    const QString file = QStringLiteral("Cannot open library \"bad.json\".");
    const auto c30 = [&](const char* field) {
        return QStringList{file, QStringLiteral("Concrete 1 \"C30\""),
                           QStringLiteral("field \"%1\"").arg(QLatin1String(field))};
    };

    QTest::newRow("not JSON") << QByteArray("Con_30;25413;13.4")
                              << QStringList{file, "not a Tarvolin library"};
    QTest::newRow("empty file") << QByteArray() << QStringList{file, "not a Tarvolin library"};
    QTest::newRow("JSON list") << QByteArray("[]") << QStringList{file, "not a Tarvolin library"};
    QTest::newRow("wrong format")
        << Library(kC30, R"("format": "tarvolin-lib", "version": 1)")
        << QStringList{file, "not a Tarvolin library"};
    QTest::newRow("version 3") << Library(kC30, R"("format": "tarvolin-library", "version": 3)")
                               << QStringList{file, "newer", "version 3", "up to 2"};
    QTest::newRow("version 1.5")
        << Library(kC30, R"("format": "tarvolin-library", "version": 1.5)")
        << QStringList{file, "version 1.5 is not known"};
    QTest::newRow("version 0") << Library(kC30, R"("format": "tarvolin-library", "version": 0)")
                               << QStringList{file, "version 0"};
    QTest::newRow("version text")
        << Library(kC30, R"("format": "tarvolin-library", "version": "1")")
        << QStringList{file, "\"version\"", "\"1\" is not a number"};
    QTest::newRow("no concretes") << QByteArray(R"({"format": "tarvolin-library", "version": 1})")
                                  << QStringList{file, "\"concretes\"", "missing"};
    QTest::newRow("concrete not an object")
        << Library(QByteArray(kC30) + ", 5") << QStringList{file, "Concrete 2", "not an object"};
    QTest::newRow("missing field") << Library(C30With("fck", {}))
                                   << (c30("fck") << "the field is missing.");
    QTest::newRow("missing name") << Library(C30With("name", {}))
                                  << QStringList{file, "Concrete 1,", "field \"name\"", "missing"};
    QTest::newRow("missing shown") << Library(C30With("shown", {}))
                                   << (c30("shown") << "missing");
    QTest::newRow("string field") << Library(C30With("Ec", "\"30000\""))
                                  << (c30("Ec") << "\"30000\" is not a number.");
    QTest::newRow("null field") << Library(C30With("etk", "null"))
                                << (c30("etk") << "null is not a number.");
    QTest::newRow("name a number") << Library(C30With("name", "30"))
                                   << QStringList{file, "field \"name\"", "30 is not a text."};
    QTest::newRow("shown a number") << Library(C30With("shown", "1"))
                                    << (c30("shown") << "neither true nor false");
    QTest::newRow("negative value") << Library(C30With("ftk", "-2.01"))
                                    << (c30("ftk") << "Axial Tension Strength must be postive.");
    QTest::newRow("zero shape") << Library(C30With("at", "0"))
                                << (c30("at") << "Shape parameter must be postive.");
    QTest::newRow("Ec·eck below fck") << Library(C30With("fck", "44.2"))
                                       << (c30("eck") << "Ec multiplied by the Peak Compression "
                                                         "Strain must be greater than the Axial "
                                                         "Compression Strength.");
    QTest::newRow("ecmax too large") << Library(C30With("ecmax", "1e9"))
                                     << (c30("ecmax") << "Ultimate strain for Comp. is too large");
    QTest::newRow("etmax too large") << Library(C30With("etmax", "3"))
                                     << (c30("etmax") << "Ultimate strain for Tension is too large");
    QTest::newRow("number beyond double") << Library(C30With("Ec", "1e999"))
                                          << QStringList{file, "not a Tarvolin library"};
    QTest::newRow("name of 20 bytes")
        << Library(C30With("name", "\"C30_4567890123456789\""))
        << QStringList{file, "Concrete 1 \"C30_4567890123456789\"", "field \"name\"",
                       "Concrete Name must be less than 20 letters."};
    QTest::newRow("name of 10 two-byte letters")
        << Library(C30With("name", "\"ÄÄÄÄÄÄÄÄÄÄ\""))
        << QStringList{file, "less than 20 letters"};
    QTest::newRow("empty name") << Library(C30With("name", "\"\""))
                                << QStringList{file, "Please Input Concrete Name."};
    QTest::newRow("name with blank at the end")
        << Library(C30With("name", "\"C30 \"")) << QStringList{file, "field \"name\"", "blank"};
    QTest::newRow("duplicate name")
        << Library(QByteArray(kC30) + ", " + C30With("ac", "1") + ", " + kC30)
        << QStringList{file, "Concrete 2 \"C30\"", "field \"name\"",
                       "concrete 1 has the same name"};
    // The basis: one of the three words, and δc with mean values and with them only.
    const auto withBasis = [](const char* extra) {
        return Library(QByteArray(kC30).replace("}", QByteArray(", ") + extra + "}"));
    };
    QTest::newRow("basis unknown") << withBasis(R"("basis": "Mean", "cv": 0.1)")
                                   << (c30("basis") << "\"Mean\" is not \"characteristic\"");
    QTest::newRow("basis a number") << withBasis(R"("basis": 1)") << (c30("basis") << "1 is not");
    QTest::newRow("mean without cv") << withBasis(R"("basis": "mean")")
                                     << (c30("cv") << "the field is missing.");
    QTest::newRow("cv a text") << withBasis(R"("basis": "mean", "cv": "0.1")")
                               << (c30("cv") << "\"0.1\" is not a number.");
    QTest::newRow("cv zero") << withBasis(R"("basis": "mean", "cv": 0)")
                             << (c30("cv") << "0 is not between 0 and 0.6.");
    QTest::newRow("cv 0.6") << withBasis(R"("basis": "mean", "cv": 0.6)")
                            << (c30("cv") << "0.6 is not between 0 and 0.6.");
    QTest::newRow("cv negative") << withBasis(R"("basis": "mean", "cv": -0.1)")
                                 << (c30("cv") << "-0.1 is not between");
    QTest::newRow("cv with design") << withBasis(R"("basis": "design", "cv": 0.1)")
                                    << (c30("cv") << "only mean values");
    QTest::newRow("cv without basis") << withBasis(R"("cv": 0.1)")
                                      << (c30("cv") << "only mean values");
    QTest::newRow("names differ in case only")
        << Library(QByteArray(kC30) + ", " + C30With("name", "\"c30\"") + ", " + kC30 + ", {}")
        << QStringList{file, "Concrete 3 \"C30\"", "concrete 1 has the same name"};
}

// The message names what is wrong; the refusal is whole, so nothing half-read escapes.
void TestLibraryFile::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, named);
    try {
        ParseLibrary(bytes, QStringLiteral("bad.json"));
        QFAIL("the library was accepted");
    } catch (const LibraryError& error) {
        const QString message = QString::fromStdString(error.what());
        for (const QString& part : named)
            QVERIFY2(message.contains(part), qPrintable(message + "\nlacks: " + part));
    }
}

void TestLibraryFile::oversizedAndUnreadableFiles()
{
    QVERIFY(folder.isValid());
    // Sound JSON padded with blanks to one byte over 16 MiB.
    QByteArray big = Library(kC30);
    big.append(QByteArray(kMaxLibraryBytes + 1 - big.size(), ' '));
    const QString bigPath = folder.filePath(QStringLiteral("big.json"));
    QFile file(bigPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(big), big.size());
    file.close();

    // One byte less is a library.
    QCOMPARE(ParseLibrary(big.chopped(1), bigPath).size(), std::size_t(1));

    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {bigPath, QStringLiteral("larger than 16 MiB")},
        {folder.filePath(QStringLiteral("missing.json")), QString()},
        {folder.path(), QString()},
    };
    for (const auto& [path, reason] : cases) {
        try {
            ReadLibrary(path);
            QFAIL(qPrintable(path + " was accepted"));
        } catch (const LibraryError& error) {
            const QString message = QString::fromStdString(error.what());
            QVERIFY2(message.startsWith(QStringLiteral("Cannot open library \"%1\". ")
                                            .arg(QDir::toNativeSeparators(path))),
                     qPrintable(message));
            QVERIFY2(message.contains(reason), qPrintable(message));
        }
    }
}

void TestLibraryFile::failedWriteKeepsTheOldFile()
{
    ConcreteRegistry one;
    one.Add(Concrete("C30"));
    const QString path = folder.filePath(QStringLiteral("keep.json"));
    WriteLibrary(path, one);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY(before.endsWith('\n'));
    QCOMPARE(ParseLibrary(before, path).at(0).ConcreteName, std::string("C30"));

    // A folder that is a regular file: fails for root too.
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, WriteLibrary(path + "/inner.json", one));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

// Every steel field and the three bases come back bit for bit, in order, with their flags; the
// file says version 2 and writes itself again to the same bytes.
void TestLibraryFile::steelsRoundTrip()
{
    ConcreteRegistry concretes;
    concretes.Add(Concrete("C30"));
    SteelRegistry steels;
    steels.Add(std::make_unique<CSteel>("HRB400", 2e5, 400, 540, 0.025, 0.075));
    steels.Add(std::make_unique<CSteel>("HRB400m", 2e5, 400 / (1 - 1.645 * 0.07),
                                        540 / (1 - 1.645 * 0.07), 0.025, 0.075,
                                        StrengthBasis::Mean, 0.07),
               false);
    steels.Add(std::make_unique<CSteel>("HRB335d", 2e5, 300, 455.0 * 300 / 335, 0.0015 + 0.1 / 3,
                                        0.075, StrengthBasis::Design));
    const QString path = folder.filePath(QStringLiteral("steels.json"));
    WriteLibrary(path, concretes, steels);
    const MaterialLibrary read = ReadMaterialLibrary(path);

    const QByteArray json = LibraryJson(concretes, steels);
    QVERIFY(json.contains("\"version\": 2"));
    QVERIFY(json.contains("\"basis\": \"mean\""));
    QVERIFY(json.contains("\"basis\": \"design\""));
    QCOMPARE(json.count("\"basis\""), 2);  // none for the characteristic steel
    QCOMPARE(json.count("\"cv\""), 1);
    QCOMPARE(LibraryJson(read.concretes, read.steels), json);

    QCOMPARE(read.concretes.size(), std::size_t(1));
    QCOMPARE(read.steels.size(), std::size_t(3));
    for (std::size_t i = 0; i < 3; ++i) {
        const CSteel& a = steels.at(i);
        const CSteel& b = read.steels.at(i);
        QCOMPARE(b.SteelName, a.SteelName);
        for (auto [x, y] : {std::pair{a.Es, b.Es}, {a.fy, b.fy}, {a.fst, b.fst}, {a.euy, b.euy},
                            {a.eu, b.eu}, {a.cv, b.cv}})
            QCOMPARE(Bits(y), Bits(x));
        QCOMPARE(b.basis, a.basis);
        QCOMPARE(read.steels.Shown(i), steels.Shown(i));
    }
    // The concretes-only reader takes the same file and keeps its concretes.
    QCOMPARE(ReadLibrary(path).size(), std::size_t(1));
}

void TestLibraryFile::withoutSteelsTheFileStaysVersion1()
{
    ConcreteRegistry concretes;
    concretes.Add(Concrete("C30"));
    concretes.Add(Concrete("C40"), false);
    const QByteArray v1 = LibraryJson(concretes);
    QVERIFY(v1.contains("\"version\": 1"));
    QCOMPARE(LibraryJson(concretes, SteelRegistry()), v1);
    const QString path = folder.filePath(QStringLiteral("v1.json"));
    WriteLibrary(path, concretes, SteelRegistry());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), v1);
    QVERIFY(ReadMaterialLibrary(path).steels.empty());
}

void TestLibraryFile::steelsInAVersion1File()
{
    const QByteArray bytes = SteelLibrary(kHrb400).replace("\"version\": 2", "\"version\": 1");
    const MaterialLibrary read = ParseMaterialLibrary(bytes, QStringLiteral("a.json"));
    QCOMPARE(read.steels.size(), std::size_t(1));
    QCOMPARE(read.steels.at(0).basis, StrengthBasis::Characteristic);
    QCOMPARE(read.steels.at(0).fst, 540.0);
}

void TestLibraryFile::steelRefusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("named");

    const QString file = QStringLiteral("Cannot open library \"bad.json\".");
    const auto hrb = [&](const char* field) {
        return QStringList{file, QStringLiteral("Steel 1 \"HRB400\""),
                           QStringLiteral("field \"%1\"").arg(QLatin1String(field))};
    };
    QTest::newRow("steels not a list")
        << Library(kC30, R"("format": "tarvolin-library", "version": 2, "steels": {"a": 1})")
        << QStringList{file, "\"steels\"", "an object is not a list"};
    QTest::newRow("steel not an object") << SteelLibrary(QByteArray(kHrb400) + ", \"S\"")
                                         << QStringList{file, "Steel 2", "not an object"};
    QTest::newRow("missing fy") << SteelLibrary(Hrb400With("fy", {}))
                                << (hrb("fy") << "missing");
    QTest::newRow("missing name") << SteelLibrary(Hrb400With("name", {}))
                                  << QStringList{file, "Steel 1,", "field \"name\"", "missing"};
    QTest::newRow("Es a text") << SteelLibrary(Hrb400With("Es", "\"2e5\""))
                               << (hrb("Es") << "\"2e5\" is not a number.");
    QTest::newRow("shown missing") << SteelLibrary(Hrb400With("shown", {}))
                                   << (hrb("shown") << "missing");
    QTest::newRow("fst below fy") << SteelLibrary(Hrb400With("fst", "399"))
                                  << (hrb("fst") << "must not be less than yield strength");
    QTest::newRow("euy below ey") << SteelLibrary(Hrb400With("euy", "0.0019"))
                                  << (hrb("euy") << "εy");
    QTest::newRow("eu at euy") << SteelLibrary(Hrb400With("eu", "0.025"))
                               << (hrb("eu") << "greater than the strain at start of hardening");
    QTest::newRow("Es zero") << SteelLibrary(Hrb400With("Es", "0"))
                             << (hrb("Es") << "greater than zero");
    QTest::newRow("name with blank")
        << SteelLibrary(Hrb400With("name", "\" HRB400\""))
        << QStringList{file, "Steel 1 \" HRB400\"", "field \"name\"", "blank"};
    QTest::newRow("name of 20 bytes")
        << SteelLibrary(Hrb400With("name", "\"HRB400_8901234567890\""))
        << QStringList{file, "field \"name\"", "less than 20 letters"};
    QTest::newRow("unknown basis") << SteelLibrary(Hrb400With("basis", "\"average\""))
                                   << (hrb("basis") << "\"average\" is not \"characteristic\"");
    QTest::newRow("basis a number") << SteelLibrary(Hrb400With("basis", "1"))
                                    << (hrb("basis") << "1 is not \"characteristic\"");
    QTest::newRow("cv of a design steel")
        << SteelLibrary(Hrb400With("basis", "\"design\"").replace("{", "{\"cv\": 0.1, "))
        << (hrb("cv") << "only mean values");
    QTest::newRow("mean without cv") << SteelLibrary(Hrb400With("basis", "\"mean\""))
                                     << (hrb("cv") << "missing");
    QTest::newRow("mean with cv 0.6")
        << SteelLibrary(Hrb400With("basis", "\"mean\"").replace("{", "{\"cv\": 0.6, "))
        << (hrb("cv") << "0.6 is not between 0 and 0.6");
    QTest::newRow("duplicate steel")
        << SteelLibrary(QByteArray(kHrb400) + ", " + Hrb400With("fy", "410") + ", " + kHrb400)
        << QStringList{file, "Steel 2 \"HRB400\"", "steel 1 has the same name"};
    // The concretes are read first, and their rules hold in a version-2 file too.
    QTest::newRow("bad concrete beside steels")
        << SteelLibrary(kHrb400).replace("\"ftk\": 2.01", "\"ftk\": -1")
        << QStringList{file, "Concrete 1 \"C30\"", "field \"ftk\""};
}

// A file with one bad steel is refused whole: the concretes-only reader refuses it too.
void TestLibraryFile::steelRefusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, named);
    for (int reader = 0; reader < 2; ++reader) {
        try {
            if (reader == 0)
                ParseMaterialLibrary(bytes, QStringLiteral("bad.json"));
            else
                ParseLibrary(bytes, QStringLiteral("bad.json"));
            QFAIL(qPrintable("the library was accepted:\n" + QString::fromUtf8(bytes)));
        } catch (const LibraryError& error) {
            const QString message = QString::fromStdString(error.what());
            for (const QString& part : named)
                QVERIFY2(message.contains(part), qPrintable(message + "\nlacks: " + part));
        }
    }
}

QTEST_MAIN(TestLibraryFile)
#include "tst_libraryfile.moc"
