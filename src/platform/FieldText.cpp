#include "platform/FieldText.h"

#include <QLocale>

#include "model/NumberText.h"
#include "platform/Translation.h"

QString TrimControl(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 32)
        ++first;
    while (last > first && text.at(last - 1).unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString NotANumberMessage(const QString& text)
{
    // The command line refuses its numbers in these words too, before any application object.
    return ui::translate("FieldText", "%1 is not a valid floating number!").arg(Quoted(text));
}

std::optional<double> ReadNumber(const QString& text, char separator)
{
    try {
        return StrToFloat(text.toStdString(), separator);
    } catch (const ConvertError&) {
        return std::nullopt;
    }
}

QString Print(std::string_view pattern, double value, char separator)
{
    return QString::fromStdString(FormatFloat(pattern, value, separator));
}

QString CoefficientText(double cv, char separator)
{
    QString text = QString::number(cv, 'g', QLocale::FloatingPointShortest);
    text.replace(QLatin1Char('.'), QLatin1Char(separator));
    return text;
}
