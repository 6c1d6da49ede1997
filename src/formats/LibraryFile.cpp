#include "formats/LibraryFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLocale>
#include <utility>
#include <optional>

#include "formats/AtomicFile.h"
#include "formats/FormatText.h"
#include "model/DefinitionRules.h"

namespace {

const QString kConcretesKey = QStringLiteral("concretes");
const QString kShownKey = QStringLiteral("shown");
const QString kSteelsKey = QStringLiteral("steels");
const QString kBasisKey = QStringLiteral("basis");
const QString kCvKey = QStringLiteral("cv");

QString Key(DefinitionField field)
{
    const std::string_view key = FieldKey(field);
    return QString::fromLatin1(key.data(), qsizetype(key.size()));
}

QString Key(SteelField field)
{
    const std::string_view key = SteelFieldKey(field);
    return QString::fromLatin1(key.data(), qsizetype(key.size()));
}

[[noreturn]] void Refuse(const QString& path, const QString& reason)
{
    const QString message = formattext::translate("LibraryFile", "Cannot open library \"%1\". %2")
                                .arg(QDir::toNativeSeparators(path), reason);
    throw LibraryError(message.toStdString());
}

// A JSON value as it stands in the file, for messages.
QString Shown(const QJsonValue& value)
{
    if (value.isString())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isNull())
        return QStringLiteral("null");
    if (value.isArray())
        return formattext::translate("LibraryFile", "a list");
    if (value.isObject())
        return formattext::translate("LibraryFile", "an object");
    // The shortest text that reads back as the number: 0.6 as in the file, not 0.59999999999999998.
    return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
}

// Reads one concrete or steel; kind and position name it in messages.
class ConcreteReader {
public:
    ConcreteReader(const QString& path, const QJsonObject& object, int position,
                   const char* kind = QT_TRANSLATE_NOOP("LibraryFile", "Concrete %1"))
        : path(path), object(object), position(position), kind(kind)
    {
    }

    [[noreturn]] void Fail(const QString& field, const QString& reason) const
    {
        QString where = formattext::translate("LibraryFile", kind).arg(position);
        if (!name.isNull())
            where += QStringLiteral(" \"%1\"").arg(name);
        Refuse(path, formattext::translate("LibraryFile", "%1, field \"%2\": %3").arg(where, field, reason));
    }

    QJsonValue Required(const QString& key) const
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            Fail(key, formattext::translate("LibraryFile", "the field is missing."));
        return value;
    }

    QString ReadName(const QString& key = Key(DefinitionField::Name))
    {
        const QJsonValue value = Required(key);
        if (!value.isString())
            Fail(key, formattext::translate("LibraryFile", "%1 is not a text.").arg(Shown(value)));
        name = value.toString();
        return name;
    }

    double ReadNumber(DefinitionField field) const { return ReadNumber(Key(field)); }

    double ReadNumber(const QString& key) const
    {
        const QJsonValue value = Required(key);
        if (!value.isDouble())
            Fail(key, formattext::translate("LibraryFile", "%1 is not a number.").arg(Shown(value)));
        return value.toDouble();
    }

    bool ReadShown() const
    {
        const QJsonValue value = Required(kShownKey);
        if (!value.isBool())
            Fail(kShownKey, formattext::translate("LibraryFile", "%1 is neither true nor false.").arg(Shown(value)));
        return value.toBool();
    }

    // Absent: characteristic, as every file written before the choice existed.
    StrengthBasis ReadBasis() const
    {
        const QJsonValue value = object.value(kBasisKey);
        if (value.isUndefined())
            return StrengthBasis::Characteristic;
        const std::optional<StrengthBasis> basis =
            value.isString() ? BasisFromKey(value.toString().toStdString()) : std::nullopt;
        if (!basis)
            Fail(kBasisKey, formattext::translate("LibraryFile", "%1 is not \"characteristic\", \"mean\" or \"design\".")
                                .arg(Shown(value)));
        return *basis;
    }

    // δc belongs to mean values and to them only: a mean concrete without it, or another with
    // one, is a file edited by hand into something Tarvolin never wrote.
    double ReadCv(StrengthBasis basis) const
    {
        const QJsonValue value = object.value(kCvKey);
        if (basis != StrengthBasis::Mean) {
            if (!value.isUndefined())
                Fail(kCvKey, formattext::translate("LibraryFile", "only mean values have a coefficient of variation."));
            return 0;
        }
        const QJsonValue cv = Required(kCvKey);
        if (!cv.isDouble())
            Fail(kCvKey, formattext::translate("LibraryFile", "%1 is not a number.").arg(Shown(cv)));
        if (!ValidCoefficientOfVariation(cv.toDouble()))
            Fail(kCvKey, formattext::translate("LibraryFile", "%1 is not between 0 and 0.6.").arg(Shown(cv)));
        return cv.toDouble();
    }

private:
    const QString& path;
    const QJsonObject& object;
    int position;
    const char* kind;
    QString name;
};

void ReadSteels(const QString& path, const QJsonValue& list, SteelRegistry& steels)
{
    if (list.isUndefined())
        return;  // a library of concretes only
    if (!list.isArray())
        Refuse(path, formattext::translate("LibraryFile", "Field \"steels\": %1 is not a list.").arg(Shown(list)));
    const QJsonArray array = list.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const int position = int(i) + 1;
        if (!array.at(i).isObject())
            Refuse(path, formattext::translate("LibraryFile", "Steel %1: %2 is not an object.")
                             .arg(position)
                             .arg(Shown(array.at(i))));
        const QJsonObject object = array.at(i).toObject();
        ConcreteReader reader(path, object, position, QT_TRANSLATE_NOOP("LibraryFile", "Steel %1"));

        SteelValues v;
        v.name = reader.ReadName(Key(SteelField::Name)).toStdString();
        v.Es = reader.ReadNumber(Key(SteelField::Es));
        v.fy = reader.ReadNumber(Key(SteelField::fy));
        v.fst = reader.ReadNumber(Key(SteelField::fst));
        v.euy = reader.ReadNumber(Key(SteelField::euy));
        v.eu = reader.ReadNumber(Key(SteelField::eu));
        const bool shown = reader.ReadShown();
        v.basis = reader.ReadBasis();
        v.cv = reader.ReadCv(v.basis);

        auto refusal = CheckSteel(v);
        if (!refusal)
            refusal = CheckSteelNameUntrimmed(v.name);
        if (refusal)
            reader.Fail(Key(refusal->field), QString::fromStdString(refusal->message));
        if (const std::ptrdiff_t earlier = steels.IndexOf(v.name); earlier >= 0)
            reader.Fail(Key(SteelField::Name),
                        formattext::translate("LibraryFile", "steel %1 has the same name.").arg(earlier + 1));
        steels.Add(std::make_unique<CSteel>(v.name, v.Es, v.fy, v.fst, v.euy, v.eu, v.basis, v.cv),
                   shown);
    }
}

}  // namespace

MaterialLibrary ParseMaterialLibrary(const QByteArray& bytes, const QString& path)
{
    if (bytes.size() > kMaxLibraryBytes)
        Refuse(path, formattext::translate("LibraryFile", "The file is larger than 16 MiB."));

    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        Refuse(path, formattext::translate("LibraryFile", "The file is not a Tarvolin library: %1 at byte %2.")
                         .arg(formattext::Reason(error.errorString()))
                         .arg(error.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() ||
        root.value(QStringLiteral("format")) != QJsonValue(QLatin1String(kLibraryFormat)))
        Refuse(path, formattext::translate("LibraryFile", "The file is not a Tarvolin library."));

    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble())
        Refuse(path, formattext::translate("LibraryFile", "Field \"version\": %1 is not a number.").arg(Shown(version)));
    if (version.toDouble() > kSteelLibraryVersion)
        Refuse(path, formattext::translate("LibraryFile", "The library has version %1, written by a newer Tarvolin; "
                                    "this one reads versions up to %2.")
                         .arg(Shown(version))
                         .arg(kSteelLibraryVersion));
    if (version.toDouble() != kLibraryVersion && version.toDouble() != kSteelLibraryVersion)
        Refuse(path, formattext::translate("LibraryFile", "The library version %1 is not known.").arg(Shown(version)));

    const QJsonValue list = root.value(kConcretesKey);
    if (!list.isArray())
        Refuse(path, list.isUndefined()
                         ? formattext::translate("LibraryFile", "Field \"concretes\": the field is missing.")
                         : formattext::translate("LibraryFile", "Field \"concretes\": %1 is not a list.").arg(Shown(list)));

    MaterialLibrary library;
    ConcreteRegistry& concretes = library.concretes;
    const QJsonArray array = list.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const int position = int(i) + 1;
        if (!array.at(i).isObject())
            Refuse(path, formattext::translate("LibraryFile", "Concrete %1: %2 is not an object.")
                             .arg(position)
                             .arg(Shown(array.at(i))));
        const QJsonObject object = array.at(i).toObject();
        ConcreteReader reader(path, object, position);

        Definition definition;
        definition.name = reader.ReadName().toStdString();
        for (DefinitionField field : kNumberFieldOrder)
            FieldValue(definition, field) = reader.ReadNumber(field);
        const bool shown = reader.ReadShown();
        definition.basis = reader.ReadBasis();
        definition.cv = reader.ReadCv(definition.basis);

        if (const auto refusal = CheckDefinition(definition))
            reader.Fail(Key(refusal->field), QString::fromStdString(refusal->message));
        if (const std::ptrdiff_t earlier = concretes.IndexOf(definition.name); earlier >= 0)
            reader.Fail(Key(DefinitionField::Name),
                        formattext::translate("LibraryFile", "concrete %1 has the same name.").arg(earlier + 1));

        const Definition& d = definition;
        auto concrete = std::make_unique<CConcrete>(d.name, d.Ec, d.fck, d.ftk, d.ac, d.at, d.eck,
                                                    d.etk, d.ecmax, d.etmax);
        concrete->basis = d.basis;
        concrete->cv = d.cv;
        concretes.Add(std::move(concrete), shown);
    }
    // Read from a version-1 file too: nothing is lost of a file edited by hand.
    ReadSteels(path, root.value(kSteelsKey), library.steels);
    return library;
}

ConcreteRegistry ParseLibrary(const QByteArray& bytes, const QString& path)
{
    return ParseMaterialLibrary(bytes, path).concretes;
}

MaterialLibrary ReadMaterialLibrary(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Refuse(path, formattext::Reason(file.errorString()));
    // Sizes of special files are not known beforehand: at most one byte past the limit is read.
    if (file.size() > kMaxLibraryBytes)
        Refuse(path, formattext::translate("LibraryFile", "The file is larger than 16 MiB."));
    const QByteArray bytes = file.read(kMaxLibraryBytes + 1);
    if (file.error() != QFileDevice::NoError)
        Refuse(path, formattext::Reason(file.errorString()));
    return ParseMaterialLibrary(bytes, path);
}

ConcreteRegistry ReadLibrary(const QString& path)
{
    return ReadMaterialLibrary(path).concretes;
}

namespace {

// Characteristic materials are written as before the choice existed, byte for byte; δ belongs
// to the mean basis alone.
void InsertBasis(QJsonObject& object, StrengthBasis basis, double cv)
{
    if (basis != StrengthBasis::Characteristic)
        object.insert(kBasisKey, QLatin1String(BasisKey(basis)));
    if (basis == StrengthBasis::Mean)
        object.insert(kCvKey, cv);
}

QJsonObject LibraryRoot(const ConcreteRegistry& concretes)
{
    QJsonArray list;
    for (std::size_t i = 0; i < concretes.size(); ++i) {
        const CConcrete& c = concretes.at(i);
        QJsonObject object;
        object.insert(Key(DefinitionField::Name), QString::fromStdString(c.ConcreteName));
        object.insert(Key(DefinitionField::Ec), c.Ec);
        object.insert(Key(DefinitionField::fck), c.fck);
        object.insert(Key(DefinitionField::ftk), c.ftk);
        object.insert(Key(DefinitionField::eck), c.eck);
        object.insert(Key(DefinitionField::etk), c.etk);
        object.insert(Key(DefinitionField::ac), c.ac);
        object.insert(Key(DefinitionField::at), c.at);
        object.insert(Key(DefinitionField::ecmax), c.ecmax);
        object.insert(Key(DefinitionField::etmax), c.etmax);
        object.insert(kShownKey, concretes.Shown(i));
        InsertBasis(object, c.basis, c.cv);
        list.append(object);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), QLatin1String(kLibraryFormat));
    root.insert(QStringLiteral("version"), kLibraryVersion);
    root.insert(kConcretesKey, list);
    return root;
}

}  // namespace

QByteArray LibraryJson(const ConcreteRegistry& concretes)
{
    return QJsonDocument(LibraryRoot(concretes)).toJson(QJsonDocument::Indented);
}

QByteArray LibraryJson(const ConcreteRegistry& concretes, const SteelRegistry& steels)
{
    if (steels.empty())
        return LibraryJson(concretes);
    QJsonArray list;
    for (std::size_t i = 0; i < steels.size(); ++i) {
        const CSteel& s = steels.at(i);
        QJsonObject object;
        object.insert(Key(SteelField::Name), QString::fromStdString(s.SteelName));
        object.insert(Key(SteelField::Es), s.Es);
        object.insert(Key(SteelField::fy), s.fy);
        object.insert(Key(SteelField::fst), s.fst);
        object.insert(Key(SteelField::euy), s.euy);
        object.insert(Key(SteelField::eu), s.eu);
        object.insert(kShownKey, steels.Shown(i));
        InsertBasis(object, s.basis, s.cv);
        list.append(object);
    }
    QJsonObject root = LibraryRoot(concretes);
    root.insert(QStringLiteral("version"), kSteelLibraryVersion);
    root.insert(kSteelsKey, list);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void WriteLibrary(const QString& path, const ConcreteRegistry& concretes)
{
    WriteFileAtomically(path, LibraryJson(concretes));
}

void WriteLibrary(const QString& path, const ConcreteRegistry& concretes,
                  const SteelRegistry& steels)
{
    WriteFileAtomically(path, LibraryJson(concretes, steels));
}
