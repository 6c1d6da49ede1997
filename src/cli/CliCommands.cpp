// The handlers of tarvolin-cli's commands.

#include <QJsonDocument>
#include <QJsonObject>
#include <string>

#include "cli/CliCommand.h"
#include "input/FieldText.h"
#include "model/GradeFields.h"
#include "model/NumberText.h"

double ReadGradeArgument(const QString& text)
{
    // Scripts are written once and run under any locale, so either separator is taken.
    const std::string bytes = text.toStdString();
    double grade = 0;
    try {
        grade = StrToFloat(bytes, '.');
    } catch (const ConvertError&) {
        try {
            grade = StrToFloat(bytes, ',');
        } catch (const ConvertError&) {
            throw CliUsageError(
                QStringLiteral("--grade: %1").arg(NotANumberMessage(text)).toStdString());
        }
    }
    if (!(grade > 0))
        throw CliUsageError(QStringLiteral("--grade: %1 fcu,k must be positive!")
                                .arg(Quoted(text))
                                .toStdString());
    return grade;
}

int RunParameters(const CliArguments& arguments, const CliContext& context)
{
    if (!arguments.Has("grade"))
        throw CliUsageError("--grade G is missing.");
    const double grade = ReadGradeArgument(arguments.Value("grade"));
    const DefinitionTexts texts = GradeDefinitionTexts(grade, context.localeSeparator);

    QByteArray bytes;
    if (arguments.Flag("json")) {
        const GradeValues v = GradeValuesFor(grade);
        const QJsonObject object{
            {QStringLiteral("name"), QString::fromStdString(texts.name)},
            {QStringLiteral("grade"), v.grade},
            {QStringLiteral("Ec"), v.Ec},
            {QStringLiteral("fck"), v.fck},
            {QStringLiteral("ftk"), v.ftk},
            {QStringLiteral("eck"), v.eck},
            {QStringLiteral("etk"), v.etk},
            {QStringLiteral("ac"), v.ac},
            {QStringLiteral("at"), v.at},
        };
        bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else {
        // The window's labels, in the order of the fields on screen.
        const std::pair<QString, const std::string*> rows[] = {
            {QStringLiteral("Concrete Name"), &texts.name},
            {QStringLiteral("Modulus of elasticity Ec (N/mm2)"), &texts.Ec},
            {QStringLiteral("Axial Compression strength fc,k (N/mm2)"), &texts.fck},
            {QStringLiteral("Strain at Peak Comp. Stress  \u03B5c,k  (10-6)"), &texts.eck},
            {QStringLiteral("Shape parameter for Compression  ac"), &texts.ac},
            {QStringLiteral("Axial Tension strength ft,k (N/mm2)"), &texts.ftk},
            {QStringLiteral("Strain at Peak Tensile Stress  \u03B5t,k  (10-6)"), &texts.etk},
            {QStringLiteral("Shape parameter for Tension  at"), &texts.at},
        };
        for (const auto& [label, value] : rows) {
            bytes += label.leftJustified(44).toUtf8();
            bytes += QByteArray::fromStdString(*value);
            bytes += '\n';
        }
    }
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), context.out);
    if (std::fflush(context.out) != 0 || std::ferror(context.out))
        throw CliFailure("Cannot write standard output.");
    return 0;
}

int RunLibrary(const CliArguments&, const CliContext&)
{
    throw CliFailure("The command library is not available in this build yet.");
}

int RunCsv(const CliArguments&, const CliContext&)
{
    throw CliFailure("The command csv is not available in this build yet.");
}

int RunPictures(const CliArguments&, const CliContext&)
{
    throw CliFailure("The command pictures is not available in this build yet.");
}
