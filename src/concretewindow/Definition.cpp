// The "Define Concrete" group: filling the fields from the grade and from the two strengths,
// and validating the whole definition before a concrete is created.

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>
#include <optional>
#include <string_view>

#include "concretewindow/Unit1.h"
#include "dialogs/Basis.h"
#include "model/CodeParameters.h"
#include "model/DefinitionRules.h"
#include "model/GradeFields.h"
#include "model/NumberText.h"
#include "platform/FieldText.h"
#include "platform/Platform.h"

namespace {

// The peak strains are computed in m/m and shown in units of 10⁻⁶.
constexpr double kMicrostrainPerStrain = 1e6;

// A strength field and the strain and shape parameter that follow from it.
struct StrengthField {
    QLineEdit* TForm1::*field;
    const char* notPositive;
    double TForm1::*member;
    QLineEdit* TForm1::*strainField;
    double (*strain)(double);
    QLineEdit* TForm1::*shapeField;
    double (*shape)(double);
};

constexpr StrengthField kCompressionStrength{
    &TForm1::edt3, QT_TRANSLATE_NOOP("Refusal", "Axial Compression Strength must be postive."),
    &TForm1::fck,
    &TForm1::edt4, CalcEck, &TForm1::edt5, CalcAc};

constexpr StrengthField kTensionStrength{
    &TForm1::edt8, QT_TRANSLATE_NOOP("Refusal", "Axial Tension Strength must be postive."),
    &TForm1::ftk,
    &TForm1::edt7, CalcEtk, &TForm1::edt6, CalcAt};

void StrengthChanged(TForm1& form, const StrengthField& strength)
{
    QLineEdit* field = form.*strength.field;
    const QString trimmed = TrimControl(field->text());
    if (trimmed != field->text()) {
        // Blanks typed at the ends vanish at once. This run carries on with the trimmed text,
        // so the write-back must not start a second run that would repeat its warning.
        const QSignalBlocker quiet(field);
        field->setText(trimmed);
    }

    const char separator = form.DecimalSeparator();
    const QString text = field->text();
    const std::optional<double> value = ReadNumber(text, separator);
    if (!value) {
        WarnAndFocus(&form, field, NotANumberMessage(text));
        return;
    }
    if (!(*value > 0)) {
        WarnAndFocus(&form, field, QCoreApplication::translate("Refusal", strength.notPositive));
        return;
    }
    form.*strength.member = *value;
    (form.*strength.strainField)
        ->setText(Print("0.000", strength.strain(*value) * kMicrostrainPerStrain, separator));
    (form.*strength.shapeField)->setText(Print("0.000", strength.shape(*value), separator));
}

// One numeric field of the definition as validation reads it.
struct DefinitionNumber {
    QLineEdit* TForm1::*field;
    DefinitionField rule;
    double TForm1::*member;
    // The stored value is the value read divided by this: 10⁶ for the strains typed in units
    // of 10⁻⁶. Dividing keeps "700" at exactly the double nearest 0.0007, which multiplying
    // by 1e-6 would miss by one unit in the last place.
    double unitsPerStored;
};

// The order of validation, which is not the order on the screen: the tension strength comes
// third and the tension end strain before the compression end strain.
constexpr DefinitionNumber kDefinitionNumbers[] = {
    {&TForm1::edt2, DefinitionField::Ec, &TForm1::Ec, 1},
    {&TForm1::edt3, DefinitionField::fck, &TForm1::fck, 1},
    {&TForm1::edt8, DefinitionField::ftk, &TForm1::ftk, 1},
    {&TForm1::edt4, DefinitionField::eck, &TForm1::eck, 1e6},
    {&TForm1::edt7, DefinitionField::etk, &TForm1::etk, 1e6},
    {&TForm1::edt5, DefinitionField::ac, &TForm1::ac, 1},
    {&TForm1::edt6, DefinitionField::at, &TForm1::at, 1},
    {&TForm1::edt10, DefinitionField::etmax, &TForm1::etmax, 1e6},
    {&TForm1::edt9, DefinitionField::ecmax, &TForm1::ecmax, 1},
};

}  // namespace

void TForm1::cbb1Change()
{
    const char separator = DecimalSeparator();
    // The grade is read as it stands: StrToFloat itself allows blanks around the number.
    const QString text = cbb1->currentText();
    const std::optional<double> grade = ReadNumber(text, separator);
    if (!grade || !(*grade > 0))
        cbb1->setToolTip(QString());
    if (!grade) {
        WarnAndFocus(this, cbb1, NotANumberMessage(text));
        return;
    }
    if (!(*grade > 0)) {
        WarnAndFocus(this, cbb1, tr("%1 fcu,k must be positive!").arg(Quoted(text)));
        return;
    }
    // A grade whose values overflow would fill the fields with "INF" and leave Create to blame
    // a field the user never typed in: it is refused here, the fields left as they were.
    if (!GradeProposesFiniteValues(*grade, basis, basisCv)) {
        cbb1->setToolTip(QString());
        WarnAndFocus(this, cbb1, tr("%1 fcu,k is too large!").arg(Quoted(text)));
        return;
    }
    // Any positive grade is taken; outside the law's range a tooltip says so, and nothing
    // interrupts the typing.
    cbb1->setToolTip(GradeRangeNote(*grade, separator));

    // fck and ftk are the basis's strengths; on the characteristic basis fc,k and ft,k.
    const GradeValues values = GradeValuesFor(*grade, basis, basisCv);
    edt1->setText(QStringLiteral("Con_") + Print("0.###", *grade, separator) +
                  QLatin1String(BasisMark(basis)));
    edt2->setText(Print("0", values.Ec, separator));
    // These two writes run edt3Change and edt8Change, which fill the dependent fields from the
    // rounded strengths; the four writes after them put in the values of the unrounded ones.
    edt3->setText(Print("0.0", values.fck, separator));
    edt8->setText(Print("0.000", values.ftk, separator));
    edt4->setText(Print("0.000", values.eck * kMicrostrainPerStrain, separator));
    edt7->setText(Print("0.000", values.etk * kMicrostrainPerStrain, separator));
    edt5->setText(Print("0.000", values.ac, separator));
    edt6->setText(Print("0.000", values.at, separator));
}

void TForm1::edt3Change()
{
    StrengthChanged(*this, kCompressionStrength);
}

void TForm1::edt8Change()
{
    StrengthChanged(*this, kTensionStrength);
}

bool TForm1::ValidateDefinition()
{
    // The name: its length counts bytes of the 8-bit form, and is tested before emptiness.
    const QByteArray name = TrimControl(edt1->text()).toUtf8();
    const QString shown = QString::fromUtf8(name);
    if (shown != edt1->text())
        edt1->setText(shown);
    if (const auto refusal = CheckName(std::string_view(name.constData(), name.size()))) {
        WarnAndFocus(this, edt1, QString::fromStdString(refusal->message));
        return false;
    }
    ConcreteName = name.toStdString();

    const char separator = DecimalSeparator();
    for (const DefinitionNumber& number : kDefinitionNumbers) {
        QLineEdit* field = this->*number.field;
        const QString trimmed = TrimControl(field->text());
        // For edt3 and edt8 the write-back runs their change handlers at once.
        if (trimmed != field->text())
            field->setText(trimmed);
        const QString text = field->text();
        const std::optional<double> value = ReadNumber(text, separator);
        if (!value) {
            WarnAndFocus(this, field, NotANumberMessage(text));
            return false;
        }
        if (const auto refusal = CheckPositive(number.rule, *value)) {
            WarnAndFocus(this, field, QString::fromStdString(refusal->message));
            return false;
        }
        this->*number.member = *value / number.unitsPerStored;
    }
    return true;
}
